#include "app/lists/ListActions.h"

#include "app/common/EventGuard.h"
#include "app/lists/ListPage.h"

#include <QAction>
#include <QTreeView>

namespace vantor {

void AddListActions(ListPage& page, EventGuard& events, bool wears)
{
    QTreeView* list = page.List();
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto action = [&](const char* name, const QString& caption, const QKeySequence& keys,
                            std::function<void()> run) {
        auto* a = new QAction(caption, list);
        a->setObjectName(name);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WidgetShortcut);
        list->addAction(a);
        events.Connect(a, &QAction::triggered, &page, std::move(run));
    };
    action("actCopy", "&Copy", QKeySequence::Copy, [&page] { page.CopyRow(false); });
    action("actCopyWithHeader", "Copy with &header", QKeySequence("Ctrl+Shift+C"), [&page] { page.CopyRow(true); });
    action("actExport", "E&xport...", {}, [&page] { page.ExportClick(); });
    if (!wears) return;
    action("actWear", "W&ear", QKeySequence("Ctrl+E"), [&page] { page.WearClick(); });
    action("actCompare", "Compare with &worn", QKeySequence("Ctrl+K"), [&page] { page.CompareClick(); });
    events.Connect(list, &QAbstractItemView::activated, &page, [&page] { page.WearClick(); });  // double-click, Enter
}

}  // namespace vantor
