#include "equipment/Gains.h"

#include "data/Decimal.h"

#include <algorithm>

namespace vantor {

GainTable::GainTable(const Scale& scale, const ChosenItems& worn, std::function<bool(const TItem&)> listed)
    : table_(scale), worn_(worn), listed_(std::move(listed))
{
    std::vector<int64_t> totals(table_.Dimensions(), 0);
    for (const TItem* item : worn_)
        if (item) table_.Add(*item, 1, totals);
    base_ = table_.Score(totals);
    for (size_t s = 0; s < kSlotCount; ++s) {
        without_[s] = totals;
        if (worn_[s]) table_.Add(*worn_[s], -1, without_[s]);
    }
}

std::optional<SetScore> GainTable::GainOf(const TItem& item) const
{
    // The slots the item goes in: the weapon's, or those of the body part the armour is worn on.
    Slot slots[2];
    size_t count = 0;
    if (item.ItemType == 1) {
        slots[count++] = Weapon;
    } else if (item.ItemType == 0) {
        for (int s = 0; s < kSlotCount && count < 2; ++s)
            if (SlotReceives(static_cast<Slot>(s), item)) slots[count++] = static_cast<Slot>(s);
    }
    if (count == 0 || !listed_(item)) return std::nullopt;
    if (std::find(worn_.begin(), worn_.end(), &item) != worn_.end()) return SetScore{0};
    values_.assign(table_.Dimensions(), 0);
    table_.Add(item, 1, values_);
    std::optional<SetScore> best;
    for (size_t i = 0; i < count; ++i) {
        const SetScore gain = WeighedIn(slots[i]);
        if (!best || gain > *best) best = gain;
    }
    return best;
}

SetScore GainTable::GainIn(const TItem& item, Slot slot) const
{
    if (worn_[static_cast<size_t>(slot)] == &item) return 0;
    values_.assign(table_.Dimensions(), 0);
    table_.Add(item, 1, values_);
    return WeighedIn(slot);
}

SetScore GainTable::WeighedIn(Slot slot) const
{
    const std::vector<int64_t>& without = without_[static_cast<size_t>(slot)];
    SetScore score = 0;
    for (size_t d = 0; d < values_.size(); ++d) score += table_.Part(d, without[d] + values_[d]);
    return score - base_;
}

std::string GainText(SetScore gain, char sep)
{
    std::string text = DecimalText(gain, 3, sep);
    if (gain > 0) text.insert(text.begin(), '+');
    return text;
}

}  // namespace vantor
