#include "equipment/bestset/Ceilings.h"

#include <algorithm>

namespace vantor::bestset {
namespace {

struct Step {
    int64_t Load;
    SetScore Score;
};

// Of a unit's choices, the loads and scores a ceiling by load needs: a choice that another as
// light or lighter scores as high as cannot raise the most within any room. Lightest first, each
// scoring more than the one before.
std::vector<Step> StepsOf(const std::vector<Choice>& choices)
{
    std::vector<Step> all;
    all.reserve(choices.size());
    for (const Choice& c : choices) all.push_back({c.Load, c.Score});
    std::sort(all.begin(), all.end(),
              [](const Step& a, const Step& b) { return a.Load != b.Load ? a.Load < b.Load : a.Score > b.Score; });
    std::vector<Step> steps;
    for (const Step& s : all)
        if (steps.empty() || s.Score > steps.back().Score) steps.push_back(s);
    return steps;
}

}  // namespace

Ceiling::Ceiling(const std::vector<std::vector<Choice>>& units, bool byLoad, int64_t maxTable)
    : least_(units.size() + 1, 0), most_(units.size() + 1, 0), best_(units.size() + 1, 0), table_(units.size() + 1)
{
    std::vector<std::vector<Step>> steps(units.size());
    // The table's size in whole loads: a row per unit, as wide as the loads of the units from it on span.
    int64_t span = 0, rowSpan = 0;
    for (size_t u = units.size(); u-- > 0;) {
        steps[u] = StepsOf(units[u]);
        best_[u] = best_[u + 1] + steps[u].back().Score;
        rowSpan += steps[u].back().Load - steps[u].front().Load;
        span += rowSpan + 1;
    }
    byLoad_ = byLoad;
    if (!byLoad_) return;
    unit_ = span <= maxTable ? 1 : span / maxTable + 1;
    for (size_t u = units.size(); u-- > 0;) {
        least_[u] = least_[u + 1] + InUnits(steps[u].front().Load);
        most_[u] = most_[u + 1] + InUnits(steps[u].back().Load);
    }
    table_.back() = {0};
    for (size_t u = units.size(); u-- > 0;) {
        std::vector<SetScore>& row = table_[u];
        row.assign(static_cast<size_t>(most_[u] - least_[u] + 1), kUnreachable);
        for (const Step& c : steps[u]) {
            // The rooms in which this step leaves the units after it at least their least load.
            const int64_t shift = least_[u] - InUnits(c.Load) - least_[u + 1];
            for (size_t i = static_cast<size_t>(std::max<int64_t>(0, -shift)); i < row.size(); ++i) {
                const int64_t rest = static_cast<int64_t>(i) + shift;  // in the next row
                const SetScore after =
                    rest + least_[u + 1] >= most_[u + 1] ? best_[u + 1] : table_[u + 1][static_cast<size_t>(rest)];
                row[i] = std::max(row[i], c.Score + after);
            }
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
