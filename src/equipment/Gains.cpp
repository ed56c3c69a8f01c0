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
    std::optional<SetScore> best;
    bool measured = false;
    for (size_t s = 0; s < kSlotCount; ++s) {
        if (!SlotReceives(static_cast<Slot>(s), item)) continue;
        if (!listed_(item)) return std::nullopt;
        if (std::find(worn_.begin(), worn_.end(), &item) != worn_.end()) return SetScore{0};
        if (!measured) {  // the item's own totals, once
            values_.assign(table_.Dimensions(), 0);
            table_.Add(item, 1, values_);
            measured = true;
        }
        SetScore score = 0;
        for (size_t d = 0; d < values_.size(); ++d) score += table_.Part(d, without_[s][d] + values_[d]);
        if (!best || score - base_ > *best) best = score - base_;
    }
    return best;
}

std::string GainText(SetScore gain, char sep)
{
    std::string text = DecimalText(gain, 3, sep);
    if (gain > 0) text.insert(text.begin(), '+');
    return text;
}

}  // namespace vantor
