#include "app/session/OwnActions.h"

#include "app/common/EventGuard.h"
#include "app/common/UserInterface.h"
#include "app/session/CharacterBook.h"
#include "data/Item.h"

#include <QAction>
#include <QWidget>

#include <memory>

namespace vantor {

void AddOwnActions(QWidget& control, CharacterBook& book, EventGuard& events, IUserInterface& ui,
                   std::function<const TItem*()> selected)
{
    control.setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto shared = std::make_shared<std::function<const TItem*()>>(std::move(selected));
    const std::pair<const char*, bool> marks[] = {{"I &own this", true}, {"I do &not own this", false}};
    for (const auto& [caption, owned] : marks) {
        auto* a = new QAction(caption, &control);
        a->setObjectName(owned ? "actOwn" : "actDoNotOwn");
        control.addAction(a);
        events.Connect(a, &QAction::triggered, &control, [&book, &ui, &control, shared, owned = owned] {
            const TItem* item = (*shared)();
            if (!item) return;
            QString error;
            if (!book.SetOwned({item->Number}, owned, error)) ui.ShowMessage(control.window(), error);
        });
    }
}

}  // namespace vantor
