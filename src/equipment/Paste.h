#pragma once
// Choosing the worn equipment from the listing the game shows, copied as text: each body location
// stands in parentheses, such as "(Head)", and the item names stand anywhere in the text.

#include "equipment/SlotLists.h"

#include <array>
#include <optional>
#include <string>

namespace vantor {

// The entry of list whose name occurs in text (exact case): the longest such name, the earliest
// in the list among names of equal length; 0 ("*None*") when none occurs. The first occurrence
// of the chosen name is cut out of text, so that it serves one slot only.
int MatchPastedItem(std::string& text, const SlotList& list);

enum class PasteStatus { Served, NotEquipment };

struct PasteResult {
    PasteStatus Status = PasteStatus::Served;
    // The entry to select in each slot whose location the text names; empty for the others.
    std::array<std::optional<int>, kSlotCount> Picks;
};

// Serves every slot whose location marker occurs in text, in the game's order of locations (the
// finger marker twice, the weapon hand last). A text without "(" or without ")" is no equipment
// listing and serves nothing.
PasteResult PasteEquipment(std::string text, const SlotLists& lists);

}  // namespace vantor
