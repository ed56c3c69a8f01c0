#include "app/equipment/SlotListModel.h"

#include "app/common/Bytes.h"
#include "app/common/Widgets.h"
#include "data/Decimal.h"
#include "data/Features.h"
#include "equipment/Gains.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTreeView>

namespace vantor {

int SlotListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : list_.size(); }

int SlotListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : figures_ ? kColumns : 1;
}

QVariant SlotListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole && index.column() != kName)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    if (index.column() == kName) return FromBytes(list_.Text(index.row()));
    const TItem* item = index.row() > 0 ? list_.Record(index.row()) : nullptr;
    return item ? Figure(*item, index.column()) : QString();
}

QString SlotListModel::Figure(const TItem& item, int column) const
{
    switch (column) {
    case kAC: return QString::fromStdString(DecimalText(FeatureTenths(item, vantor::kAC), 1, sep_));
    case kDR: return QString::fromStdString(DecimalText(FeatureTenths(item, vantor::kDR), 1, sep_));
    case kEnc: return QString::number(item.Weight);
    default: return gainIn_ ? QString::fromStdString(GainText(gainIn_(item), sep_)) : QString();
    }
}

QVariant SlotListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::ToolTipRole && section == kGain)
        return QString("How much the set's score under the scale \"%1\" rises with the item in this slot.")
            .arg(scaleName_);
    if (role == Qt::TextAlignmentRole && section != kName)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    static const char* const kCaptions[kColumns] = {"Item", "AC", "DR", "Enc", "Gain"};
    return section >= 0 && section < kColumns ? QString(kCaptions[section]) : QVariant();
}

void SlotListModel::ShowGains(GainIn gainIn, const QString& scaleName)
{
    gainIn_ = std::move(gainIn);
    scaleName_ = scaleName;
    if (!figures_ || list_.size() == 0) return;
    emit dataChanged(index(0, kGain), index(list_.size() - 1, kGain), {Qt::DisplayRole});
    emit headerDataChanged(Qt::Horizontal, kGain, kGain);
}

QComboBox* MakeSlotBox(QWidget* parent, const char* name, SlotListModel* model)
{
    QComboBox* box = MakeModelBox(parent, name, model, 10);
    box->setMaxVisibleItems(15);
    if (model->columnCount() == 1) return box;
    // The figures in columns of their own, each as wide as its widest figure can be.
    auto* table = new QTreeView(box);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setItemsExpandable(false);
    table->setAllColumnsShowFocus(true);
    table->header()->setStretchLastSection(false);
    table->header()->setSectionsMovable(false);
    box->setView(table);
    const QFontMetrics metrics(box->font());
    const int figure = metrics.horizontalAdvance("-0000.0") + 12;
    const int gain = metrics.horizontalAdvance("+00000.000") + 12;
    const int widths[] = {metrics.horizontalAdvance(QString(36, 'n')), figure, figure, figure, gain};
    int total = 0;
    for (int c = 0; c < SlotListModel::kColumns; ++c) {
        table->setColumnWidth(c, widths[c]);
        total += widths[c];
    }
    table->setMinimumWidth(total + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
    return box;
}

const TItem* SelectedRecord(const QComboBox& box, const SlotList& list)
{
    return box.currentIndex() > 0 ? list.Record(box.currentIndex()) : nullptr;
}

}  // namespace vantor
