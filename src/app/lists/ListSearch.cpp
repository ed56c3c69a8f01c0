#include "app/lists/ListSearch.h"

#include "app/common/Bytes.h"
#include "app/common/EventGuard.h"
#include "app/common/Widgets.h"
#include "app/lists/ListPage.h"
#include "filters/Find.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include <stdexcept>

namespace vantor {

ListSearch::ListSearch(ListPage& page, const ListPageNames& names, EventGuard& events, FindPosition& find)
    : QObject(&page), page_(page), find_(find), row_(new QHBoxLayout)
{
    text_ = MakeEdit(&page, names.Find, QString(), names.FindHint);
    text_->setFixedWidth(120);
    findFirst_ = MakeButton(&page, names.FindFirst, "&Find");
    findNext_ = MakeButton(&page, names.FindNext, "&Next");
    row_->addWidget(text_);
    row_->addWidget(findFirst_);
    row_->addWidget(findNext_);
    events.OnClick(findFirst_, [this] { FindFirstClick(); });
    events.OnClick(findNext_, [this] { FindNextClick(); });
}

void ListSearch::FindFirstClick()
{
    find_.Row = -1;
    FindNextClick();
}

void ListSearch::FindNextClick()
{
    ListModel& rows = page_.Rows();
    const int hit = FindRow(rows.Rows(), ToBytes(text_->text()), find_.Row + 1);
    if (hit >= 0) {
        find_.Row = hit;
        const QModelIndex index = rows.index(hit, 0);
        QTreeView* list = page_.List();
        list->scrollTo(index, QAbstractItemView::EnsureVisible);
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    if (find_.Row == -1) throw std::runtime_error("Not found.");  // shown in the error box
}

}  // namespace vantor
