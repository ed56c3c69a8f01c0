#pragma once
// What the pages share of the window: the records of the last load and the find position.

#include "data/GameData.h"
#include "equipment/SlotLists.h"

#include <cstdint>

namespace vantor {

// The records of the last load; pages read them, only the frame's load writes them.
struct LoadedData {
    ItemList Items;
    SpellList Spells;
    SlotLists AllSlots;   // every item in the slots that take it, by name: what the slot lists narrow
    bool Loading = true;  // while a load runs every pair of rows compares equal
};

// The row of the last search hit; one position serves the searches of all lists, as the game's
// players know it: "Next" on one list goes on from the last hit on another.
struct FindPosition {
    int32_t Row = -1;  // -1: no hit since the last "Find"
};

}  // namespace vantor
