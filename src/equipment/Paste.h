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
    // The lines of the listing that name a location but whose item no slot took (an item the
    // lists do not offer, or more items than the location has slots), as they stand.
    std::vector<std::string> Unplaced;
};

// Serves every slot whose location marker occurs in text, in the game's order of locations (the
// finger marker twice, the weapon hand last). A text without "(" or without ")" is no equipment
// listing and serves nothing.
PasteResult PasteEquipment(std::string text, const SlotLists& lists);

// The chosen entries as the game lists a set ("leather cap (Head)"), one a line, in a text that
// "Paste Eq" reads back to the same set whenever some text can: an empty slot is written as its
// marker, "(Neck)", as "*None* (Neck)", or left out where that keeps a shorter name from being
// taken; the lines are ordered so that a name standing in several lines is cut from its own; two
// rings may change fingers. A slot left out reads back empty, as on a page emptied first.
std::string CopySetText(const SlotLists& lists, const std::array<int, kSlotCount>& picks);

// The slots whose item the copied text does not give back: only where no text can (same-named
// items in one list, a longer name of an earlier slot's list inside a later item's name).
std::vector<Slot> SlotsNotPastedBack(const SlotLists& lists, const std::array<int, kSlotCount>& picks);

}  // namespace vantor
