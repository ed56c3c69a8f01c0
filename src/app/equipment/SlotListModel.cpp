#include "app/equipment/SlotListModel.h"

#include "app/common/Bytes.h"
#include "app/common/Widgets.h"

#include <QComboBox>
#include <QListView>

namespace vantor {

int SlotListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : list_.size(); }

QVariant SlotListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return FromBytes(list_.Text(index.row()));
}

QComboBox* MakeSlotBox(QWidget* parent, const char* name, SlotListModel* model)
{
    QComboBox* box = MakeModelBox(parent, name, model, 10);
    box->setMaxVisibleItems(15);
    return box;
}

const TItem* SelectedRecord(const QComboBox& box, const SlotList& list)
{
    return box.currentIndex() > 0 ? list.Record(box.currentIndex()) : nullptr;
}

}  // namespace vantor
