#include "equipment/bestset/Ceilings.h"

#include <algorithm>

namespace vantor::bestset {

Ceiling::Ceiling(const std::vector<std::vector<Choice>>& units, bool byLoad, int64_t maxTable)
    : least_(units.size() + 1, 0), most_(units.size() + 1, 0), best_(units.size() + 1, 0), table_(units.size() + 1)
{
    // The table's size in whole loads: a row per unit, as wide as the loads of the units from it on span.
    int64_t span = 0, rowSpan = 0;
    for (size_t u = units.size(); u-- > 0;) {
        const Extent e = ExtentOf(units[u]);
        best_[u] = best_[u + 1] + e.BestScore;
        rowSpan += e.MostLoad - e.LeastLoad;
        span += rowSpan + 1;
    }
    byLoad_ = byLoad;
    if (!byLoad_) return;
    unit_ = span <= maxTable ? 1 : span / maxTable + 1;
    for (size_t u = units.size(); u-- > 0;) {
        int64_t least = InUnits(units[u].front().Load), most = least;
        for (const Choice& c : units[u]) {
            least = std::min(least, InUnits(c.Load));
            most = std::max(most, InUnits(c.Load));
        }
        least_[u] = least_[u + 1] + least;
        most_[u] = most_[u + 1] + most;
    }
    table_.back() = {0};
    for (size_t u = units.size(); u-- > 0;) {
        std::vector<SetScore>& row = table_[u];
        row.assign(static_cast<size_t>(most_[u] - least_[u] + 1), kUnreachable);
        for (size_t i = 0; i < row.size(); ++i)
            for (const Choice& c : units[u]) {
                const int64_t rest = least_[u] + static_cast<int64_t>(i) - InUnits(c.Load);
                if (rest < least_[u + 1]) continue;
                const SetScore after =
                    rest >= most_[u + 1] ? best_[u + 1] : table_[u + 1][static_cast<size_t>(rest - least_[u + 1])];
                if (after != kUnreachable) row[i] = std::max(row[i], c.Score + after);
            }
    }
}

Rest::Rest(const std::vector<std::vector<Choice>>& units, size_t caps)
    : Rise(units.size() + 1), Fall(units.size() + 1), Least(units.size() + 1)
{
    for (size_t u = units.size(); u-- > 0;)
        for (size_t k = 0; k < caps; ++k) {
            int64_t most = units[u].front().Totals[k], least = most;
            for (const Choice& c : units[u]) {
                most = std::max(most, c.Totals[k]);
                least = std::min(least, c.Totals[k]);
            }
            Rise[u][k] = Rise[u + 1][k] + most;
            Least[u][k] = Least[u + 1][k] + least;
            Fall[u][k] = Fall[u + 1][k] + std::max<int64_t>(0, -least);
        }
}

}  // namespace vantor::bestset
