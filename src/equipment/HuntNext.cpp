#include "equipment/HuntNext.h"

#include "data/Text.h"
#include "equipment/Gains.h"

#include <algorithm>
#include <set>

namespace vantor {

namespace {

// The picks of lists (narrowed from all) as entries of all.
BestSetAnswer InLists(BestSetAnswer a, const SlotLists& narrowed, const SlotLists& all)
{
    for (size_t s = 0; s < a.Picks.size(); ++s)
        a.Picks[s] = std::max(0, all[s].EntryOf(narrowed[s].Record(a.Picks[s])));
    return a;
}

}  // namespace

BestSetAnswer SolveBestOwnedSet(const BestSetQuestion& q, const std::function<bool(const TItem&)>& owned,
                                const SearchProgress& progress, bool runnerUp)
{
    const SlotLists& all = *q.Lists;
    std::set<const TItem*> kept;  // worn in a kept slot: kept, owned or not
    for (size_t s = 0; s < kSlotCount; ++s)
        if (q.Kept[s] && *q.Kept[s] > 0) kept.insert(all[s].Record(*q.Kept[s]));
    SlotLists lists;
    NarrowSlotLists(
        all, [&](const TItem& item) { return owned(item) || kept.count(&item) > 0; }, lists, nullptr);
    BestSetQuestion ask = q;
    ask.Lists = &lists;
    for (size_t s = 0; s < kSlotCount; ++s)
        if (q.Kept[s] && *q.Kept[s] > 0) ask.Kept[s] = lists[s].EntryOf(all[s].Record(*q.Kept[s]));
    return InLists(SolveBestSet(ask, progress, runnerUp), lists, all);
}

HuntAnswer WhatToGetNext(BestSetQuestion q, const std::function<bool(const TItem&)>& owned,
                         const SearchProgress& progress)
{
    HuntAnswer hunt;
    q.Kept = {};
    const SlotLists& all = *q.Lists;
    // Each solve is a step of the progress: the two best sets, then a candidate each.
    size_t steps = 2 + kHuntTopGains + kSlotCount, done = 0;
    // From every item when usable is none, else from the items it accepts.
    const auto solve = [&](const std::function<bool(const TItem&)>& usable) {
        const size_t step = done++;
        const SearchProgress stepped = [&, step](int d, int n) {
            return !progress || progress(static_cast<int>(step * 1000 + (n > 0 ? int64_t{d} * 1000 / n : 0)),
                                         static_cast<int>(steps * 1000));
        };
        BestSetAnswer a = usable ? SolveBestOwnedSet(q, usable, stepped, false) : SolveBestSet(q, stepped, false);
        hunt.Cancelled = hunt.Cancelled || a.Cancelled;
        return a;
    };
    hunt.Everything = solve(nullptr);
    hunt.Owned = solve(owned);
    if (hunt.Cancelled) return hunt;
    // The items to weigh: those of the best set from everything the character lacks, then those
    // that gain most in one slot over the best owned set.
    std::vector<const TItem*> candidates;
    const auto add = [&](const TItem* item) {
        if (item && !owned(*item) && std::find(candidates.begin(), candidates.end(), item) == candidates.end())
            candidates.push_back(item);
    };
    for (size_t s = 0; s < kSlotCount; ++s) add(all[s].Record(hunt.Everything.Picks[s]));
    const GainTable gains(q.Weights, ChosenOf(q, hunt.Owned.Picks), [](const TItem&) { return true; });
    std::vector<std::pair<SetScore, const TItem*>> byGain;
    std::set<const TItem*> seen;
    for (const SlotList& list : all)
        for (int i = 1; i < list.size(); ++i)
            if (const TItem* item = list.Record(i); !owned(*item) && seen.insert(item).second)
                if (const auto gain = gains.GainOf(*item)) byGain.push_back({*gain, item});
    const size_t top = std::min(kHuntTopGains, byGain.size());
    std::partial_sort(byGain.begin(), byGain.begin() + static_cast<ptrdiff_t>(top), byGain.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    for (size_t i = 0; i < top; ++i) add(byGain[i].second);
    steps = 2 + candidates.size();
    for (const TItem* item : candidates) {
        const BestSetAnswer with = solve([&](const TItem& x) { return &x == item || owned(x); });
        if (hunt.Cancelled) return hunt;
        if (!with.Found) continue;
        hunt.Rows.push_back({item, with.Score - (hunt.Owned.Found ? hunt.Owned.Score : 0)});
    }
    std::stable_sort(hunt.Rows.begin(), hunt.Rows.end(), [](const HuntRow& a, const HuntRow& b) {
        if (a.Gain != b.Gain) return a.Gain > b.Gain;
        return CompareText(a.Item->Name, b.Item->Name) < 0;
    });
    return hunt;
}

}  // namespace vantor
