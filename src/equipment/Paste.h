#pragma once
// Choosing the worn equipment from the listing the game shows, copied as text: each body location
// stands in parentheses, such as "(Head)", and the item names stand anywhere in the text.

#include "equipment/SlotLists.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

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

// The chosen entries as the game lists a set ("leather cap (Head)"; an empty slot its marker,
// "(Neck)", or "*None* (Neck)" where that pastes back better), one a line in the order the paste
// reads them, so that the text pastes back to the same picks.
std::string CopySetText(const SlotLists& lists, const std::array<int, kSlotCount>& picks);

// The slots whose item the copied text would not paste back: same-named items in one list, a
// longer name of an earlier slot's list inside a later item's name, or two rings whose longer name
// is on the second finger (the paste gives the first finger the longest ring name).
std::vector<Slot> SlotsNotPastedBack(const SlotLists& lists, const std::array<int, kSlotCount>& picks);

}  // namespace vantor
