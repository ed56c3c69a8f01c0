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
    const std::optional<std::vector<std::vector<Choice>>> offered = Taken(without, barred);
    if (!offered) return std::nullopt;
    const std::vector<std::vector<Choice>>& taken = *offered;
    const Rest rest(taken, capped_.size());
    int64_t leastBonus = 0;
    for (const std::vector<Choice>& unit : taken) leastBonus += ExtentOf(unit).LeastBonus;
    const Bounding bounding = BoundingOf(taken);
    const bool bounded = bounding.Bounded;
    const Ceiling ceiling(bounding.Units, bounded);
    const Partial root{q_.MiscEncumbrance, 0, 0, {}, -1, -1};
    std::optional<Lagrange> lagrange;
    if (const std::vector<int32_t>& l = Multipliers(); !l.empty())
        lagrange = Lagrange{l, Ceiling(Scored(bounding.Units, l), bounded), RestOf(l)};
    // Whether a partial set can still reach floor under each ceiling: one that cannot, or a set
    // known to be admissible, is dropped.
    const auto reaches = [&](size_t u, const Partial& p) {
        const int64_t room = bounded ? RoomOf(bounding, u, p) : 0;
        const SetScore uncapped = bounded ? ceiling.Within(u, room) : ceiling.Unbounded(u);
        if (uncapped == kUnreachable || p.Score + uncapped + space_.CappedCeiling(p.Totals, rest, u) < floor)
            return false;
        return !lagrange || Weighed(p.Score, p.Totals, lagrange->Weights) +
                                    (bounded ? lagrange->Table.Within(u, room) : lagrange->Table.Unbounded(u)) +
                                    lagrange->Rest >=
                                floor;
    };
    // While bonuses compare and nothing is capped, the best set that stays within the load the
    // least bonus allows is admissible whatever its bonus: nothing scoring below it is needed.
    if (capped_.empty()) {
        std::optional<Ceiling> own;
        const Ceiling& plain = bounding.Effective ? own.emplace(taken, true) : ceiling;
        if (bounded && plain.Exact())
            floor = std::max(floor, plain.Within(0, *space_.Allowed(leastBonus) - q_.MiscEncumbrance));
        else if (!bounded && compareBonus_)
            floor = std::max(floor, ceiling.Unbounded(0));
    }
    std::vector<std::vector<Partial>> steps;
    steps.push_back({root});
    size_t held = 1;  // the partial sets of every layer so far
    for (size_t u = 0; u < n; ++u) {
        if (progress_ && !progress_(pass * static_cast<int>(n) + static_cast<int>(u), passes * static_cast<int>(n))) {
            cancelled_ = true;
            return std::nullopt;
        }
        const std::vector<Partial>& from = steps.back();
        std::vector<Partial> next;
        // Under the multipliers' ceiling, a partial set grown by a choice reaches at most the
        // weighed scores of both and the most the units after it add (its totals, kept only up to
        // a bound, count no more than their sums): a choice whose weighed score falls short of
        // what the partial set needs is passed over before its sums are made.
        std::vector<SetScore> weighed;
        if (lagrange)
            for (const Choice& x : taken[u]) weighed.push_back(Weighed(x.Score, x.Totals, lagrange->Weights));
        for (size_t p = 0; p < from.size(); ++p) {
            const SetScore needed = lagrange ? floor - (Weighed(from[p].Score, from[p].Totals, lagrange->Weights) +
                                                        lagrange->Table.Unbounded(u + 1) + lagrange->Rest)
                                             : kUnreachable;
            for (size_t c = 0; c < taken[u].size(); ++c) {
                if (lagrange && weighed[c] < needed) continue;
                const Choice& x = taken[u][c];
                Partial q{from[p].Load + x.Load, from[p].Bonus + x.Bonus, from[p].Score + x.Score,
                          from[p].Totals,        static_cast<int>(p),     static_cast<int>(c)};
                for (size_t k = 0; k < capped_.size(); ++k)
                    q.Totals[k] = std::min(q.Totals[k] + x.Totals[k], *table_.CapOf(capped_[k]) + rest.Fall[u + 1][k]);
                if (!reaches(u + 1, q)) continue;
                if (held + next.size() >= q_.MaxPartials) throw ESearchTooLarge();
                next.push_back(q);
            }
        }
        steps.push_back(capped_.empty() ? Frontier(std::move(next), compareBonus_, better_)
                                        : Prune(std::move(next), rest, u + 1));
        held += steps.back().size();
    }
    return ReadBack(steps, taken, floor);
}

std::optional<std::vector<std::vector<Choice>>> LayeredSearch::Taken(int without, const Choice* barred) const
{
    std::vector<std::vector<Choice>> taken(space_.UnitList().size());
    for (size_t u = 0; u < taken.size(); ++u) {
        if (static_cast<int>(u) != without) {
            taken[u] = space_.Offered(u);
        } else {
            for (const Choice& c : space_.UnitList()[u].All)
                if (!space_.SameSet(c, *barred, space_.UnitList()[u])) taken[u].push_back(c);
            taken[u] = Frontier(std::move(taken[u]), compareBonus_, better_);
        }
        if (taken[u].empty()) return std::nullopt;
    }
    return taken;
}

std::vector<std::vector<Choice>> LayeredSearch::Scored(std::vector<std::vector<Choice>> units,
                                                       const std::vector<int32_t>& l) const
{
    for (auto& unit : units)
        for (Choice& c : unit) c.Score = Weighed(c.Score, c.Totals, l);
    return units;
}

LayeredSearch::Bounding LayeredSearch::BoundingOf(const std::vector<std::vector<Choice>>& taken) const
{
    Bounding b;
    b.Bounded = compareBonus_ && q_.Bound != LoadBound::NoLimit;
    b.Effective = b.Bounded && space_.CountsEffectiveLoads();
    b.Units = b.Effective ? space_.WithEffectiveLoads(taken) : taken;
    b.MoreBonus.assign(taken.size() + 1, 0);
    for (size_t u = taken.size(); u-- > 0;) b.MoreBonus[u] = b.MoreBonus[u + 1] + ExtentOf(taken[u]).MostBonus;
    return b;
}

int64_t LayeredSearch::RoomOf(const Bounding& b, size_t u, const Partial& p) const
{
    return b.Effective ? space_.EffectiveRoom(p) : *space_.Allowed(p.Bonus + b.MoreBonus[u]) - p.Load;
}

SetScore LayeredSearch::RestOf(const std::vector<int32_t>& l) const
{
    SetScore r = 0;
    for (size_t k = 0; k < l.size(); ++k) r += SetScore{table_.WeightOf(capped_[k]) - l[k]} * *table_.CapOf(capped_[k]);
    return r;
}

const std::vector<int32_t>& LayeredSearch::Multipliers()
{
    if (multipliers_) return *multipliers_;
    multipliers_.emplace();
    const auto taken = Taken(-1, nullptr);
    if (capped_.empty() || !space_.EachCapWeighedFor() || !taken) return *multipliers_;
    const Bounding bounding = BoundingOf(*taken);
    const std::optional<int64_t> room =
        bounding.Bounded ? std::optional(RoomOf(bounding, 0, Partial{q_.MiscEncumbrance, 0, 0, {}, -1, -1}))
                         : std::nullopt;
    // The bound these multipliers give a whole set: the best choice of each unit when those fit
    // the room together, else the best within the room.
    std::map<std::vector<int32_t>, SetScore> tried;
    const auto bound = [&](const std::vector<int32_t>& l) {
        if (const auto at = tried.find(l); at != tried.end()) return at->second;
        const std::vector<std::vector<Choice>> scored = Scored(bounding.Units, l);
        SetScore best = 0;
        int64_t load = 0;
        for (const std::vector<Choice>& unit : scored) {
            const Choice* top = &unit.front();
            for (const Choice& c : unit)
                if (c.Score > top->Score || (c.Score == top->Score && c.Load < top->Load)) top = &c;
            best += top->Score;
            load += top->Load;
        }
        // (In a coarser table than the search's: the bound only chooses the multipliers here.)
        if (room && load > *room) best = Ceiling(scored, true, Ceiling::kMaxTable / 8).Within(0, *room);
        if (best != kUnreachable) best += RestOf(l);
        return tried[l] = best;
    };
    // The multipliers that give the least bound: the best of w, w/2, w/4, w/8 for every total
    // alike, then each total's own searched from 0 to w to a 32nd of w while the bound falls (the
    // bound is convex in each), twice round.
    std::vector<int32_t> l(capped_.size()), top(capped_.size());
    for (size_t k = 0; k < capped_.size(); ++k) top[k] = table_.WeightOf(capped_[k]);
    std::vector<int32_t> least = top;
    for (const int shift : {1, 2, 3}) {
        for (size_t k = 0; k < capped_.size(); ++k) l[k] = top[k] / (1 << shift);
        if (bound(l) < bound(least)) least = l;
    }
    for (int round = 0; round < 2; ++round) {
        const SetScore before = bound(least);
        for (size_t k = 0; k < capped_.size(); ++k) {
            int32_t lo = 0, hi = top[k];
            const auto at = [&](int32_t x) {
                l = least;
                l[k] = x;
                return bound(l);
            };
            while (hi - lo > std::max(2, top[k] / 32)) {
                const int32_t m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
                const SetScore b1 = at(m1), b2 = at(m2);
                if (b1 < b2)
                    hi = m2;
                else if (b1 > b2)
                    lo = m1;
                else {
                    lo = m1;
                    hi = m2;
                }
            }
            for (const int32_t x : {lo, lo + (hi - lo) / 2, hi})
                if (at(x) < bound(least)) least = l;
        }
        if (bound(least) == before) break;
    }
    multipliers_ = least;
    return *multipliers_;
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
