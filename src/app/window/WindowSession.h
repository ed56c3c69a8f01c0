#pragma once
// The remembered session: at close, every control the player set, how each list was filtered and
// sorted, the set with the character its slot lists were filled for; at the next start all of it
// back, running no filter the player did not run. What does not read is left out and named.

#include "app/common/ControlStates.h"
#include "app/window/WindowPages.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QMainWindow;

namespace vantor {

class EventGuard;
class ListPage;
class SettingsStore;

class WindowSession {
public:
    WindowSession(QMainWindow& window, SettingsStore& settings, EventGuard& events, const WindowPages& pages);

    // After the first load: the last session's controls, lists, set and page. Gives the notices
    // for the status line: what was left out, which saved items the data no longer hold.
    QStringList Restore();
    // After a switch of character: the character's part of the session as Restore brings it back,
    // over the window's defaults (a new character: the defaults alone), the lists it did not
    // filter showing every row. Gives notices as Restore does.
    QStringList RestoreCharacter();
    // Keeps the window as it is for the next start (the settings are saved by the caller).
    void Keep();
    // "Reset layout": the lists' columns as wide as they need and sorted by their first column,
    // the splitters parted as their parts ask; so they are kept at close.
    void ForgetLayout();

private:
    QStringList RestoreWith(bool whole);
    // whole: the defaults first, and the lists without a filter kept show every row.
    void RestoreControls(const std::optional<ControlStates>& controls, bool whole, QStringList& unread,
                         QStringList& missing);
    // The character a set's lines name, into the top panel.
    void RestoreProfile(const std::vector<std::string>& lines, QStringList& unread);
    void RestoreSetOnly(const std::vector<std::string>& lines, QStringList& unread, QStringList& missing);
    // The list pages by the name the session keeps them under.
    std::vector<std::pair<QString, ListPage*>> ListPages() const;

    QMainWindow& window_;
    SettingsStore& settings_;
    EventGuard& events_;
    WindowPages pages_;
    std::optional<ControlStates> defaults_;  // the controls as the first start shows them
};

}  // namespace vantor
