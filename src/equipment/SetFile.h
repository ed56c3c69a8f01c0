#pragma once
// Equipment set files (".kreq"): the chosen items by number, the equipment inputs and the
// character, as "name=value" lines. Reading is lenient: names in any letter case, lines in any
// order, line ends CR LF, LF or CR.

#include "equipment/SlotLists.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// What a set file holds besides the items, as the window shows it.
struct SetTexts {
    std::string MiscEnc, EncModifier, Strength, MiscAC;  // the equipment inputs and "Str"
    std::string Level, ClassName, Agility;
    bool Good = false, Neutral = false, Evil = false;
};

// The file's text: a line for each slot that holds an item, then the eight other lines.
std::string SetFileText(const std::array<const TItem*, kSlotCount>& chosen, const SetTexts& texts);

// The name a set is saved under: blanks and control characters trimmed, the extension (if any)
// replaced by ".kreq".
std::string SetFileName(std::string_view chosen);

// A set file is a couple of dozen short lines; anything larger is refused unread.
constexpr size_t kMaxSetFileBytes = size_t{64} * 1024;

std::vector<std::string> SplitLines(std::string_view content);

// The character as a set file names it; a missing or empty value is nothing.
struct SavedProfile {
    std::optional<std::string> Level, ClassName, Strength, Agility, Alignment;
};

// Each value from the first line whose name (before its first "=") matches, letter case aside,
// trimmed of blanks and control characters.
SavedProfile ReadSavedProfile(const std::vector<std::string>& lines);

// Whether any line names a slot, an equipment input or the character: a file without one is no
// set file at all, and loading it must not empty the set.
bool HoldsSetLines(const std::vector<std::string>& lines);

// The keys a line holds anywhere in it, letter case aside, in the order they are applied: the
// sixteen slot lists (as Slot values 0..15), then the three equipment inputs.
enum SavedInput : int { MiscEncKey = kSlotCount, EncModifierKey, MiscACKey };
std::vector<int> KeysInLine(std::string_view line);

// Everything after the line's first "=" (the whole line when it has none), untrimmed.
std::string_view ValueOfLine(std::string_view line);

// A set file's set as it stands on its own: each slot's item found by number among the items
// that slot takes, the numbers no such item has, and the three inputs (the page's defaults when
// the file has none). A value that is not a number leaves its slot or input as it was.
struct FileSet {
    std::array<const TItem*, kSlotCount> Chosen{};
    std::array<int32_t, kSlotCount> Missing{};  // the number a slot names that no item has; 0: none
    std::string MiscEnc = "0", EncModifier = "0", MiscAC = "1";
};
FileSet ReadFileSet(const std::vector<std::string>& lines, const ItemList& items);

}  // namespace vantor
