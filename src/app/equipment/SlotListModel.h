#pragma once
// A drop-down list of the equipment planner as a model over a slot list: the entries point at the
// records, and a name becomes text only when the list shows it. The slots' lists also show what a
// player chooses by, in columns beside the name: AC, DR, Enc and the gain under the active scale.

#include "equipment/Scale.h"
#include "equipment/SlotLists.h"

#include <QAbstractTableModel>

#include <functional>

class QComboBox;

namespace vantor {

class SlotListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The columns; a model without figures has only the name.
    enum Column { kName, kAC, kDR, kEnc, kGain, kColumns };
    // The gain of an item in this slot; none: no gain column.
    using GainIn = std::function<SetScore(const TItem&)>;

    SlotListModel(const SlotList& list, QObject* parent, bool figures = false, char decimalSep = '.')
        : QAbstractTableModel(parent), list_(list), figures_(figures), sep_(decimalSep)
    {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Wrap a change of the list, so that its views start afresh.
    void BeginRefill() { beginResetModel(); }
    void EndRefill() { endResetModel(); }
    // The gain column from now on works out gains by gainIn, under the scale named.
    void ShowGains(GainIn gainIn, const QString& scaleName);

private:
    QString Figure(const TItem& item, int column) const;

    const SlotList& list_;
    bool figures_;
    char sep_;
    GainIn gainIn_;
    QString scaleName_;
};

// A pick-only drop-down list over model, 15 entries visible when dropped; a model with figures
// drops down as a table with its columns' captions.
QComboBox* MakeSlotBox(QWidget* parent, const char* name, SlotListModel* model);

// The record of the entry a slot box shows; nullptr for "*None*" or no selection.
const TItem* SelectedRecord(const QComboBox& box, const SlotList& list);

}  // namespace vantor
