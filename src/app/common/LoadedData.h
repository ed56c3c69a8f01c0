#pragma once
// What the pages share of the window: the records of the last load and the find position.

#include "data/GameData.h"
#include "equipment/SlotLists.h"

#include <cstdint>
#include <future>

namespace vantor {

// The records of the last load; pages read them, only the frame's load writes them.
struct LoadedData {
    ItemList Items;
    SpellList Spells;
    bool Loading = true;  // while a load runs every pair of rows compares equal
    // Every item in the slots that take it, by name: what the slot lists narrow. Made on a thread
    // of its own after the load has shown the lists; AllSlots waits for it.
    std::shared_future<SlotLists> SlotsMade;

    const SlotLists& AllSlots() const
    {
        static const SlotLists none;
        return SlotsMade.valid() ? SlotsMade.get() : none;
    }
};

// The row of the last search hit; one position serves the searches of all lists, as the game's
// players know it: "Next" on one list goes on from the last hit on another.
struct FindPosition {
    int32_t Row = -1;  // -1: no hit since the last "Find"
};

}  // namespace vantor
