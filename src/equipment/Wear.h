#pragma once
// Where wearing an item from the lists puts it.

#include "equipment/Scale.h"
#include "equipment/SlotLists.h"

#include <functional>
#include <optional>

namespace vantor {

// Of the slots that take the item and whose lists hold it (holds): a free one first (the first
// finger before the second), else one that wears it now, else the one where the set scores most
// under the scale with the item in place of what is there. Nothing when no slot list holds it.
std::optional<Slot> WearSlot(const TItem& item, const ChosenItems& worn, const ScoreTable& table,
                             const std::function<bool(Slot)>& holds);

}  // namespace vantor
