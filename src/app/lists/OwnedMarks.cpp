#include "app/lists/OwnedMarks.h"

#include "app/common/EventGuard.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"
#include "app/lists/ListPage.h"
#include "app/session/CharacterBook.h"
#include "app/session/OwnActions.h"

#include <QCheckBox>
#include <QTreeView>

#include <algorithm>

namespace vantor {

OwnedMarks::OwnedMarks(CharacterBook& book, EventGuard& events, IUserInterface& ui, ListPage& page)
    : QObject(&page), book_(book)
{
    const ListKind kind = page.Kind();
    box_ =
        MakeCheck(&page,
                  kind == ListKind::Armor     ? "chkOwnedArmor"
                  : kind == ListKind::Weapons ? "chkOwnedWeapons"
                                              : "chkOwnedOther",
                  "Owned only", false, "Show only the items the character owns, among those the page's filter lets in");
    events.OnToggle(box_, [this, &page] {
        ownedOnly_ = box_->isChecked();
        page.RunFilterAgain();
    });
    AddOwnActions(*page.List(), book, events, ui, [&page] { return page.SelectedItem(); });
    events.Connect(&book_, &CharacterBook::OwnedChanged, this, [this, &page] {
        page.Rows().OwnedChanged();
        page.ColumnChanged(page.Rows().OwnedColumn());
        if (ownedOnly_) page.RunFilterAgain();
    });
}

bool OwnedMarks::Owns(const TItem& item) const { return book_.Owns(item.Number); }

void OwnedMarks::DropUnowned(std::vector<ListRow>& rows) const
{
    if (!ownedOnly_) return;
    std::erase_if(rows, [this](const ListRow& row) { return !row.Item() || !Owns(*row.Item()); });
}

}  // namespace vantor
