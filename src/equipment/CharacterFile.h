#pragma once
// A character as one text file, to move it to another machine: its name, its set as "Save Eq"
// writes it, its scale as a text line and the numbers of the items it owns. Also the owned
// numbers as the settings keep them: "12,300,4501".

#include "equipment/Scale.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// A character owns at most this many items; a longer list is refused.
constexpr size_t kMaxOwnedItems = 100'000;
// A character file holds a set, a scale and the owned numbers; anything larger is refused unread.
constexpr size_t kMaxCharacterFileBytes = size_t{2} * 1024 * 1024;

// Numbers separated by commas (blanks around them allowed), each a whole number from 1 up;
// sorted, each once. Raises std::runtime_error naming what does not read, or when there are more
// than kMaxOwnedItems.
std::vector<int32_t> ReadOwnedNumbers(std::string_view text);
std::string OwnedNumbersText(const std::vector<int32_t>& numbers);

struct CharacterFile {
    std::string Name;
    std::vector<std::string> SetLines;  // as a set file holds them
    Scale ActiveScale;
    std::vector<int32_t> Owned;  // sorted, each once
};

// The file: "Character=", the set lines, "Scale=" and "Owned=" lines.
std::string CharacterFileText(const CharacterFile& character, const std::string& setText);
// Raises std::runtime_error saying what is wrong when the text is no character file: no name,
// no set line, a scale or owned list that does not read, a line given twice, too large.
CharacterFile ReadCharacterFile(std::string_view content);

}  // namespace vantor
