#include "app/window/MainMenu.h"

#include "app/common/EventGuard.h"
#include "app/common/StatusLine.h"
#include "app/session/SettingsKeys.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>

namespace vantor {
namespace {

constexpr int kRecentSets = 10;

}  // namespace

MainMenu::MainMenu(QMainWindow& window, QTabWidget& pages, EventGuard& events, SettingsStore& settings, Actions actions)
    : QObject(&window), window_(window), events_(events), settings_(settings), actions_(std::move(actions))
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName("menuBar");
    // The titles' letters are those no control of the window answers.
    BuildFile(bar->addMenu("F&ile"));
    BuildEdit(bar->addMenu("Edi&t"));
    BuildView(bar->addMenu("&View"), pages);
    BuildHelp(bar->addMenu("&Help"));
}

QAction* MainMenu::Entry(QMenu* menu, const char* name, const QString& caption, std::function<void()> run,
                         const QKeySequence& keys, bool shownKeys)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!keys.isEmpty()) {
        a->setShortcut(keys);
        // Keys that another control answers are shown here, but answered there.
        a->setShortcutContext(shownKeys ? Qt::WidgetShortcut : Qt::WindowShortcut);
        if (!shownKeys) window_.addAction(a);
    }
    events_.Connect(a, &QAction::triggered, this, std::move(run));
    return a;
}

void MainMenu::BuildFile(QMenu* menu)
{
    menu->setObjectName("menuFile");
    Entry(menu, "actOpenSet", "&Open set...", actions_.OpenSet, QKeySequence::Open);
    Entry(menu, "actSaveSet", "&Save set", actions_.SaveSet, QKeySequence::Save);
    Entry(menu, "actSaveSetAs", "Save set &as...", actions_.SaveSetAs, QKeySequence("Ctrl+Shift+S"));
    recent_ = menu->addMenu("&Recent sets");
    recent_->setObjectName("menuRecent");
    ShowRecent();
    menu->addSeparator();
    Entry(menu, "actCompareSets", "&Compare sets...", actions_.CompareSets);
    menu->addSeparator();
    BuildCharacters(menu->addMenu("C&haracters"));
    menu->addSeparator();
    Entry(menu, "actQuit", "&Quit", actions_.Quit, QKeySequence("Ctrl+Q"));
}

void MainMenu::BuildEdit(QMenu* menu)
{
    menu->setObjectName("menuEdit");
    Entry(menu, "actUndo", "&Undo", actions_.Undo, QKeySequence("Ctrl+Z"), true);
    Entry(menu, "actRedo", "&Redo", actions_.Redo, QKeySequence("Ctrl+Shift+Z"), true);
    menu->addSeparator();
    Entry(menu, "actMenuCopy", "&Copy", actions_.Copy, QKeySequence::Copy, true);
    Entry(menu, "actMenuCopyWithHeader", "Copy with &header", actions_.CopyWithHeader, QKeySequence("Ctrl+Shift+C"),
          true);
    Entry(menu, "actMenuExport", "&Export...", actions_.Export);
    Entry(menu, "actPasteSet", "&Paste set", actions_.PasteSet, QKeySequence("Ctrl+Shift+V"));
    menu->addSeparator();
    Entry(menu, "actScales", "&Scales...", actions_.Scales);
}

void MainMenu::BuildView(QMenu* menu, QTabWidget& pages)
{
    menu->setObjectName("menuView");
    for (int i = 0; i < pages.count() && i < 9; ++i) {
        if (!pages.isTabVisible(i)) continue;
        const QByteArray name = "actPage" + QByteArray::number(i + 1);
        Entry(
            menu, name.constData(), pages.tabText(i), [&pages, i] { pages.setCurrentIndex(i); },
            QKeySequence(QString("Ctrl+%1").arg(i + 1)));
    }
    menu->addSeparator();
    Entry(menu, "actResetLayout", "Reset &layout", actions_.ResetLayout);
}

void MainMenu::BuildCharacters(QMenu* menu)
{
    menu->setObjectName("menuCharacters");
    Entry(menu, "actNewCharacter", "&New...", actions_.NewCharacter);
    Entry(menu, "actRenameCharacter", "&Rename...", actions_.RenameCharacter);
    Entry(menu, "actCopyCharacter", "&Copy...", actions_.CopyCharacter);
    Entry(menu, "actDeleteCharacter", "&Delete", actions_.DeleteCharacter);
    menu->addSeparator();
    Entry(menu, "actExportCharacter", "&Export...", actions_.ExportCharacter);
    Entry(menu, "actImportCharacter", "&Import...", actions_.ImportCharacter);
}

void MainMenu::BuildHelp(QMenu* menu)
{
    menu->setObjectName("menuHelp");
    Entry(menu, "actManual", "&Manual", actions_.Manual, QKeySequence::HelpContents);
    Entry(menu, "actAbout", "&About Vantor Viewer", actions_.About);
}

QStringList MainMenu::RecentSets() const
{
    QStringList paths;
    for (int i = 0; i < kRecentSets; ++i)
        if (const auto path = keys::RecentSets().Text(QString::number(i)).Find(settings_); path && !path->isEmpty())
            paths << *path;
    paths.removeDuplicates();
    return paths;
}

void MainMenu::KeepRecent(const QStringList& paths)
{
    keys::RecentSets().Remove(settings_);
    for (int i = 0; i < paths.size() && i < kRecentSets; ++i)
        keys::RecentSets().Text(QString::number(i)).Write(settings_, paths[i]);
    ShowRecent();
}

void MainMenu::SetFileUsed(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = RecentSets();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    KeepRecent(paths);
}

void MainMenu::ShowRecent()
{
    recent_->clear();
    const QStringList paths = RecentSets();
    for (int i = 0; i < paths.size(); ++i) {
        QAction* a = recent_->addAction(QString("&%1 %2").arg((i + 1) % 10).arg(QFileInfo(paths[i]).fileName()));
        a->setToolTip(QDir::toNativeSeparators(paths[i]));
        a->setStatusTip(QDir::toNativeSeparators(paths[i]));
        events_.Connect(a, &QAction::triggered, recent_, [this, path = paths[i]] { OpenRecent(path); });
    }
    recent_->setEnabled(!paths.isEmpty());
    recent_->setToolTipsVisible(true);
}

// The entry that asks may go with the menu this rebuilds: Qt keeps its call, and path, alive.
void MainMenu::OpenRecent(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        QStringList paths = RecentSets();
        paths.removeAll(path);
        KeepRecent(paths);
        TellStatus(
            window_,
            QString("%1 is no longer there: it is taken off the recent sets.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    actions_.OpenRecent(path);
}

}  // namespace vantor
