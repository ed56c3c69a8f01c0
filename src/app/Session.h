#pragma once
// The last session in the player's settings: where the window was and how large, the page shown,
// and the set with its inputs and character as "Save Eq" writes it. What does not read is left out.

#include "app/Settings.h"

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

}  // namespace vantor
