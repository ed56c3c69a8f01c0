#include "app/lists/OwnedMarks.h"

#include "app/common/EventGuard.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"
#include "app/session/CharacterBook.h"
#include "app/session/OwnActions.h"

#include <QCheckBox>

#include <algorithm>

namespace vantor {

OwnedMarks::OwnedMarks(CharacterBook& book, EventGuard& events, IUserInterface& ui, QWidget& list, const char* name,
                       Hooks hooks)
    : QObject(&list), book_(book), hooks_(std::move(hooks))
{
    box_ = MakeCheck(list.parentWidget(), name, "Owned only", false,
                     "Show only the items the character owns, among those the page's filter lets in");
    events.OnToggle(box_, [this] {
        ownedOnly_ = box_->isChecked();
        hooks_.Refill();
    });
    AddOwnActions(list, book, events, ui, hooks_.Selected);
    events.Connect(&book_, &CharacterBook::OwnedChanged, this, [this] {
        hooks_.Marked();
        if (ownedOnly_) hooks_.Refill();
    });
}

bool OwnedMarks::Owns(const TItem& item) const { return book_.Owns(item.Number); }

void OwnedMarks::DropUnowned(std::vector<ListRow>& rows) const
{
    if (!ownedOnly_) return;
    std::erase_if(rows, [this](const ListRow& row) { return !row.Item() || !Owns(*row.Item()); });
}

}  // namespace vantor
