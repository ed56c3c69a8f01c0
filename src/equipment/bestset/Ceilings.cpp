#include "equipment/bestset/Ceilings.h"

#include <algorithm>

namespace vantor::bestset {

Ceiling::Ceiling(const std::vector<std::vector<Choice>>& units, bool byLoad)
    : least_(units.size() + 1, 0), most_(units.size() + 1, 0), best_(units.size() + 1, 0), table_(units.size() + 1)
{
    int64_t span = 0;
    for (size_t u = units.size(); u-- > 0;) {
        const Extent e = ExtentOf(units[u]);
        least_[u] = least_[u + 1] + e.LeastLoad;
        most_[u] = most_[u + 1] + e.MostLoad;
        best_[u] = best_[u + 1] + e.BestScore;
        span += most_[u] - least_[u] + 1;
    }
    byLoad_ = byLoad && span <= kMaxTable;
    if (!byLoad_) return;
    table_.back() = {0};
    for (size_t u = units.size(); u-- > 0;) {
        std::vector<SetScore>& row = table_[u];
        row.assign(static_cast<size_t>(most_[u] - least_[u] + 1), kUnreachable);
        for (size_t i = 0; i < row.size(); ++i)
            for (const Choice& c : units[u]) {
                const SetScore rest = Within(u + 1, least_[u] + static_cast<int64_t>(i) - c.Load);
                if (rest != kUnreachable) row[i] = std::max(row[i], c.Score + rest);
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
