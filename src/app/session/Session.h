#pragma once
// The last session in the player's settings: where the window was and how large, the page shown,
// and the set with its inputs and character as "Save Eq" writes it. What does not read is left out.

#include "app/common/ControlStates.h"
#include "app/session/Settings.h"
#include "app/session/SettingsKeys.h"
#include "filters/Profile.h"

#include <optional>
#include <string>
#include <vector>

class QMainWindow;

namespace vantor {

// Puts the window where the last session left it; the first time, or when that does not read,
// at a size that suits the screen (never below the window's minimum), in its middle.
void RestoreWindowPlace(QMainWindow& window, const SettingsStore& settings);

// The page shown last, when it is one of pages.
std::optional<int> SavedPage(const SettingsStore& settings, int pages);

// The set of the last session, as the lines of a set file; none when there is none or it does
// not read as one.
std::vector<std::string> SavedSet(const SettingsStore& settings);

// Keeps the window's place, the page and the set's text for the next start (not yet written).
void KeepSession(SettingsStore& settings, const QMainWindow& window, int page, const std::string& setText);

// A group of control states, or none: the group is written anew (emptied for none).
void KeepStates(SettingsStore& settings, const GroupKey& group, const std::optional<ControlStates>& states);
// The states a group holds; none when it holds none. A value that is not a text is left out
// and named in unread.
std::optional<ControlStates> SavedStates(const SettingsStore& settings, const GroupKey& group, QStringList& unread);

// The character a list was narrowed to, or none for all records.
void KeepCharacter(SettingsStore& settings, const GroupKey& group, const std::optional<Profile>& character);
// The character kept in a group; none when the group holds none. One whose class or level does
// not read is left out: none, and unread names it.
std::optional<Profile> SavedCharacter(const SettingsStore& settings, const GroupKey& group, QStringList& unread);

}  // namespace vantor
