#include "equipment/bestset/LayeredSearch.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace vantor::bestset {

LayeredSearch::LayeredSearch(const SearchSpace& space, const SearchProgress& progress)
    : space_(space), progress_(progress), q_(space.Question()), table_(space.Table()),
      capped_(space.CappedDimensions()), better_(space.BetterWay()), compareBonus_(space.BonusesCompare())
{}

// The best set, with the choice of unit `without` barred from it (none when without is -1),
// if one scores at least floor. Nothing when none does or the search was stopped.
std::optional<std::vector<Choice>> LayeredSearch::Best(int without, const Choice* barred, SetScore floor, int pass,
                                                       int passes)
{
    const size_t n = space_.UnitList().size();
    std::vector<std::vector<Choice>> taken(n);
    for (size_t u = 0; u < n; ++u) {
        if (static_cast<int>(u) != without) {
            taken[u] = space_.Offered(u);
        } else {
            for (const Choice& c : space_.UnitList()[u].All)
                if (!space_.SameSet(c, *barred, space_.UnitList()[u])) taken[u].push_back(c);
            taken[u] = Frontier(std::move(taken[u]), compareBonus_, better_);
        }
        if (taken[u].empty()) return std::nullopt;
    }
    const Ceiling ceiling(taken, compareBonus_ && q_.Bound != LoadBound::NoLimit);
    const Rest rest(taken, capped_.size());
    const std::vector<Lagrange> lagrange = LagrangeCeilings(taken);
    std::vector<int64_t> moreBonus(n + 1, 0);  // the most bonus the units from u on can add
    int64_t leastBonus = 0;
    for (size_t u = n; u-- > 0;) {
        const Extent e = ExtentOf(taken[u]);
        moreBonus[u] = moreBonus[u + 1] + e.MostBonus;
        leastBonus += e.LeastBonus;
    }
    // Whether a partial set can still reach floor under each ceiling: one that cannot, or a set
    // known to be admissible, is dropped.
    const bool bounded = compareBonus_ && q_.Bound != LoadBound::NoLimit;
    const auto reaches = [&](size_t u, const Partial& p) {
        const int64_t room = bounded ? *space_.Allowed(p.Bonus + moreBonus[u]) - p.Load : 0;
        const SetScore uncapped = bounded ? ceiling.Within(u, room) : ceiling.Unbounded(u);
        if (uncapped == kUnreachable || p.Score + uncapped + space_.CappedCeiling(p.Totals, rest, u) < floor)
            return false;
        for (const Lagrange& g : lagrange) {
            SetScore bound = p.Score + (bounded ? g.Table.Within(u, room) : g.Table.Unbounded(u)) + g.Rest;
            for (size_t k = 0; k < capped_.size(); ++k) bound += SetScore{g.Weights[k]} * p.Totals[k];
            if (bound < floor) return false;
        }
        return true;
    };
    // While bonuses compare and nothing is capped, the best set that stays within the load the
    // least bonus allows is admissible whatever its bonus: nothing scoring below it is needed.
    if (capped_.empty()) {
        if (bounded)
            floor = std::max(floor, ceiling.Within(0, *space_.Allowed(leastBonus) - q_.MiscEncumbrance));
        else if (compareBonus_)
            floor = std::max(floor, ceiling.Unbounded(0));
    }
    std::vector<std::vector<Partial>> steps;
    steps.push_back({Partial{q_.MiscEncumbrance, 0, 0, {}, -1, -1}});
    size_t held = 1;  // the partial sets of every layer so far
    for (size_t u = 0; u < n; ++u) {
        if (progress_ && !progress_(pass * static_cast<int>(n) + static_cast<int>(u), passes * static_cast<int>(n))) {
            cancelled_ = true;
            return std::nullopt;
        }
        const std::vector<Partial>& from = steps.back();
        std::vector<Partial> next;
        for (size_t p = 0; p < from.size(); ++p)
            for (size_t c = 0; c < taken[u].size(); ++c) {
                const Choice& x = taken[u][c];
                Partial q{from[p].Load + x.Load, from[p].Bonus + x.Bonus, from[p].Score + x.Score,
                          from[p].Totals,        static_cast<int>(p),     static_cast<int>(c)};
                for (size_t k = 0; k < capped_.size(); ++k)
                    q.Totals[k] = std::min(q.Totals[k] + x.Totals[k], *table_.CapOf(capped_[k]) + rest.Fall[u + 1][k]);
                if (!reaches(u + 1, q)) continue;
                if (held + next.size() >= q_.MaxPartials) throw ESearchTooLarge();
                next.push_back(q);
            }
        steps.push_back(capped_.empty() ? Frontier(std::move(next), compareBonus_, better_)
                                        : Prune(std::move(next), rest, u + 1));
        held += steps.back().size();
    }
    return ReadBack(steps, taken, floor);
}

std::vector<LayeredSearch::Lagrange>
LayeredSearch::LagrangeCeilings(const std::vector<std::vector<Choice>>& taken) const
{
    std::vector<Lagrange> lagrange;
    if (!capped_.empty() && space_.EachCapWeighedFor()) {
        for (const int shift : {0, 1, 2, 3}) {
            std::vector<std::vector<Choice>> scored = taken;
            std::vector<int32_t> l(capped_.size());
            SetScore restOfCaps = 0;
            for (size_t k = 0; k < capped_.size(); ++k) {
                l[k] = table_.WeightOf(capped_[k]) / (1 << shift);
                restOfCaps += SetScore{table_.WeightOf(capped_[k]) - l[k]} * *table_.CapOf(capped_[k]);
            }
            for (auto& unit : scored)
                for (Choice& c : unit)
                    for (size_t k = 0; k < capped_.size(); ++k) c.Score += SetScore{l[k]} * c.Totals[k];
            lagrange.push_back({l, Ceiling(scored, compareBonus_ && q_.Bound != LoadBound::NoLimit), restOfCaps});
        }
    }
    return lagrange;
}

// The best whole set of the last layer that is admissible and scores at least floor, read
// back through the layers to its choices; nothing when none is.
std::optional<std::vector<Choice>> LayeredSearch::ReadBack(const std::vector<std::vector<Partial>>& steps,
                                                           const std::vector<std::vector<Choice>>& taken,
                                                           SetScore floor) const
{
    const size_t n = taken.size();
    int best = -1;
    const std::vector<Partial>& last = steps.back();
    for (size_t i = 0; i < last.size(); ++i) {
        if (!space_.Admissible(last[i]) || space_.Final(last[i]) < floor) continue;
        if (best < 0 || space_.Better(last[i], last[static_cast<size_t>(best)])) best = static_cast<int>(i);
    }
    if (best < 0) return std::nullopt;
    std::vector<Choice> set(n);
    for (size_t u = n; u-- > 0;) {
        const Partial& p = steps[u + 1][static_cast<size_t>(best)];
        set[u] = taken[u][static_cast<size_t>(p.Choice)];
        best = p.Parent;
    }
    return set;
}

// The partial sets no other beats, when totals are capped. Two partial sets of equal capped
// totals compare as without caps; of different ones, a partial set is beaten by one with no
// more load and no less bonus whose score, counting its capped totals at the least the units
// from u on can make of them, is no less than the other's counting them at the most.
std::vector<Partial> LayeredSearch::Prune(std::vector<Partial> all, const Rest& rest, size_t u) const
{
    std::stable_sort(all.begin(), all.end(), [](const Partial& a, const Partial& b) {
        if (a.Load != b.Load) return a.Load < b.Load;
        if (a.Bonus != b.Bonus) return a.Bonus > b.Bonus;
        return a.Score > b.Score;
    });
    const auto capped = [&](const Partial& p, bool most) {
        SetScore s = p.Score;
        for (size_t k = 0; k < capped_.size(); ++k) {
            const bool up = (table_.WeightOf(capped_[k]) > 0) == most;
            s += table_.Part(capped_[k], p.Totals[k] + (up ? rest.Rise[u][k] : rest.Least[u][k]));
        }
        return s;
    };
    const auto beatenIn = [](const std::map<int64_t, SetScore>& stairs, int64_t bonus, SetScore score) {
        const auto at = stairs.lower_bound(bonus);
        return at != stairs.end() && at->second >= score;
    };
    const auto climb = [](std::map<int64_t, SetScore>& stairs, int64_t bonus, SetScore score) {
        auto at = stairs.upper_bound(bonus);
        while (at != stairs.begin() && std::prev(at)->second <= score) stairs.erase(std::prev(at));
        stairs.emplace(bonus, score);
    };
    std::map<Capped, std::map<int64_t, SetScore>> groups;  // equal capped totals: bonus -> best score
    std::map<int64_t, SetScore> least;                     // any totals: bonus -> best score at the least
    std::map<Capped, const Partial*> lastOfGroup;          // when bonuses cannot be compared
    std::vector<Partial> kept;
    kept.reserve(all.size());
    for (const Partial& x : all) {
        bool beaten;
        if (compareBonus_) {
            auto& group = groups[x.Totals];
            beaten = beatenIn(group, x.Bonus, x.Score) || beatenIn(least, x.Bonus, capped(x, true));
            if (beaten) continue;
            climb(group, x.Bonus, x.Score);
            climb(least, x.Bonus, capped(x, false));
        } else {
            const Partial*& last = lastOfGroup[x.Totals];
            beaten = last && last->Load == x.Load && last->Bonus == x.Bonus;
            if (beaten) continue;
        }
        kept.push_back(x);
        if (!compareBonus_) lastOfGroup[x.Totals] = &x;
    }
    return kept;
}

}  // namespace vantor::bestset
