#pragma once
// The gain of every item: how much the score of the worn set rises (or falls) under a scale when
// the item is worn in its slot in place of what is there.

#include "equipment/Scale.h"
#include "equipment/SlotLists.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

// Not for two threads at once: each holds the item it weighs.
class GainTable {
public:
    // listed: whether the slot lists hold an item (they hold only what the equipment filter let in).
    GainTable(const Scale& scale, const ChosenItems& worn, std::function<bool(const TItem&)> listed);

    // The score of the set with the item in its slot minus the set's score; for an item both
    // fingers take, on the finger where it gains more; 0 for an item worn now; nothing for an
    // item no slot list holds.
    std::optional<SetScore> GainOf(const TItem& item) const;
    // The same for the item worn in this slot (which must take it); 0 when the slot holds it.
    SetScore GainIn(const TItem& item, Slot slot) const;
    SetScore SetScoreNow() const { return base_; }

private:
    // The gain of the item whose totals values_ holds, worn in the slot.
    SetScore WeighedIn(Slot slot) const;

    ScoreTable table_;
    ChosenItems worn_;
    std::function<bool(const TItem&)> listed_;
    SetScore base_ = 0;
    std::array<std::vector<int64_t>, kSlotCount> without_;  // the set's totals without each slot's item
    mutable std::vector<int64_t> values_;                   // the item being weighed, its totals
};

// A gain as the lists show it, signed in the general number format: "+2.5", "-0.3", "0".
std::string GainText(SetScore gain, char sep);

}  // namespace vantor
