#pragma once
// The window's menu bar: every action of the buttons and lists once more, with the standard keys,
// the set files used last, the pages, the manual and the About box.

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QTabWidget;

namespace vantor {

class EventGuard;
class SettingsStore;

class MainMenu : public QObject {
    Q_OBJECT
public:
    // What the entries run; each is a plain call, run through the error guard.
    struct Actions {
        std::function<void()> OpenSet, SaveSet, SaveSetAs, CompareSets, Quit;
        std::function<void(const QString&)> OpenRecent;  // a set file of the recent ones, which exists
        std::function<void()> Undo, Redo, Copy, CopyWithHeader, Export, PasteSet, Scales;
        std::function<void()> ResetLayout, Manual, About;
        std::function<void()> NewCharacter, RenameCharacter, CopyCharacter, DeleteCharacter, ExportCharacter,
            ImportCharacter;
    };

    // pages: the window's pages, one View entry each (Ctrl+1 ...).
    MainMenu(QMainWindow& window, QTabWidget& pages, EventGuard& events, SettingsStore& settings, Actions actions);

    // A set file opened or saved: the first of the recent sets; ten are kept.
    void SetFileUsed(const QString& path);
    // The recent sets, the newest first.
    QStringList RecentSets() const;

private:
    void BuildFile(QMenu* menu);
    void BuildEdit(QMenu* menu);
    void BuildView(QMenu* menu, QTabWidget& pages);
    void BuildCharacters(QMenu* menu);
    void BuildHelp(QMenu* menu);
    // An entry running run; keys, when given, work in the whole window. shownKeys are keys another
    // control of the window answers already: the entry only shows them.
    QAction* Entry(QMenu* menu, const char* name, const QString& caption, std::function<void()> run,
                   const QKeySequence& keys = {}, bool shownKeys = false);
    void ShowRecent();
    void OpenRecent(const QString& path);
    void KeepRecent(const QStringList& paths);

    QMainWindow& window_;
    EventGuard& events_;
    SettingsStore& settings_;
    Actions actions_;
    QMenu* recent_ = nullptr;
};

}  // namespace vantor
