#pragma once
// A drop-down list of the equipment planner as a model over a slot list: the entries point at the
// records, and a name becomes text only when the list shows it.

#include "equipment/SlotLists.h"

#include <QAbstractListModel>

class QComboBox;

namespace vantor {

class SlotListModel : public QAbstractListModel {
    Q_OBJECT
public:
    SlotListModel(const SlotList& list, QObject* parent) : QAbstractListModel(parent), list_(list) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Wrap a change of the list, so that its views start afresh.
    void BeginRefill() { beginResetModel(); }
    void EndRefill() { endResetModel(); }

private:
    const SlotList& list_;
};

// A pick-only drop-down list over model, 15 entries visible when dropped.
QComboBox* MakeSlotBox(QWidget* parent, const char* name, SlotListModel* model);

// The record of the entry a slot box shows; nullptr for "*None*" or no selection.
const TItem* SelectedRecord(const QComboBox& box, const SlotList& list);

}  // namespace vantor
