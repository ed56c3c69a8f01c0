#include "equipment/Wear.h"

#include "equipment/Compare.h"

#include <vector>

namespace vantor {

std::optional<Slot> WearSlot(const TItem& item, const ChosenItems& worn, const ScoreTable& table,
                             const std::function<bool(Slot)>& holds)
{
    std::vector<Slot> slots = CompareSlots(item);
    std::erase_if(slots, [&](Slot s) { return !holds(s); });
    if (slots.empty()) return std::nullopt;
    const auto at = [&](Slot s) { return worn[static_cast<size_t>(s)]; };
    for (const Slot s : slots)
        if (!at(s)) return s;
    for (const Slot s : slots)
        if (at(s) == &item) return s;
    std::optional<Slot> best;
    SetScore bestScore = 0;
    for (const Slot s : slots) {
        ChosenItems with = worn;
        with[static_cast<size_t>(s)] = &item;
        const SetScore score = ScoreOf(table, with);
        if (!best || score > bestScore) {
            best = s;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace vantor
