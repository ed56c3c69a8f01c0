#pragma once
// The dominance frontier of the best-set search: of a unit's choices, or of the partial sets of a
// layer, what no other beats on load, bonus, score and capped totals.

#include "equipment/bestset/Choices.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <vector>

namespace vantor::bestset {

// Keeps what nothing else beats: sorted by load, then larger bonus, then higher score; an entry is
// dropped when one before it has as much bonus and as high a score (equal ones: the first stays),
// and capped totals as good: each as high, or, for a total weighed against (better[k] < 0), as low.
// When bonuses cannot be compared (an overflow edge lies within reach), only entries of equal load
// and bonus are compared. With layers > 1 the frontier of what is left is kept too, and so on.
template <class T>
std::vector<T> Frontier(std::vector<T> all, bool compareBonus, const std::vector<int>& better, int layers = 1)
{
    const auto totalsAsGood = [&better](const T& y, const T& x) {
        for (size_t k = 0; k < better.size(); ++k)
            if (better[k] > 0 ? y.Totals[k] < x.Totals[k] : y.Totals[k] > x.Totals[k]) return false;
        return true;
    };
    std::stable_sort(all.begin(), all.end(), [&](const T& a, const T& b) {
        if (a.Load != b.Load) return a.Load < b.Load;
        if (a.Bonus != b.Bonus) return a.Bonus > b.Bonus;
        if (a.Score != b.Score) return a.Score > b.Score;
        for (size_t k = 0; k < better.size(); ++k)  // the better totals first, one after another
            if (a.Totals[k] != b.Totals[k])
                return better[k] > 0 ? a.Totals[k] > b.Totals[k] : a.Totals[k] < b.Totals[k];
        return false;
    });
    std::vector<T> kept;
    for (int layer = 0; layer < layers && !all.empty(); ++layer) {
        std::vector<T> rest;
        std::map<int64_t, SetScore> stairs;  // bonus -> best score, scores falling as bonus rises
        const size_t first = kept.size();
        for (const T& x : all) {
            // Beaten on load, bonus and score by an entry kept; with capped totals, by one whose
            // totals are as good as well.
            bool beaten;
            if (compareBonus) {
                const auto at = stairs.lower_bound(x.Bonus);
                beaten = at != stairs.end() && at->second >= x.Score;
            } else {
                beaten = kept.size() > first && kept.back().Load == x.Load && kept.back().Bonus == x.Bonus;
            }
            if (beaten && !better.empty()) {
                beaten = false;
                for (size_t i = kept.size(); i-- > first && !beaten;) {
                    const T& y = kept[i];
                    const bool ahead = compareBonus ? y.Bonus >= x.Bonus && y.Score >= x.Score
                                                    : y.Load == x.Load && y.Bonus == x.Bonus && y.Score >= x.Score;
                    beaten = ahead && totalsAsGood(y, x);
                }
            }
            if (beaten) {
                rest.push_back(x);
                continue;
            }
            kept.push_back(x);
            // The stairs keep only what no stair beats on bonus and score: one kept for its capped
            // totals alone would hide a stair that beats later entries.
            if (compareBonus &&
                !(stairs.lower_bound(x.Bonus) != stairs.end() && stairs.lower_bound(x.Bonus)->second >= x.Score)) {
                auto at = stairs.upper_bound(x.Bonus);
                while (at != stairs.begin() && std::prev(at)->second <= x.Score) stairs.erase(std::prev(at));
                stairs.emplace(x.Bonus, x.Score);
            }
        }
        all = std::move(rest);
    }
    return kept;
}

}  // namespace vantor::bestset
