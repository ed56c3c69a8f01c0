#include "equipment/BestSet.h"

#include "data/Decimal.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantor {
namespace {

constexpr int64_t kMin32 = std::numeric_limits<int32_t>::min(), kMax32 = std::numeric_limits<int32_t>::max();

bool Fits32(int64_t v) { return v >= kMin32 && v <= kMax32; }

// What one unit of the search (a slot, or both fingers together) may take.
struct Choice {
    int64_t Load = 0, Bonus = 0;
    SetScore Score = 0;
    int First = 0, Second = -1;  // entries of the unit's slot(s)
};

// A partial set: its sums, and how it was reached (for reading the set back).
struct Partial {
    int64_t Load = 0, Bonus = 0;
    SetScore Score = 0;
    int Parent = -1, Choice = -1;
};

// The least and most load and bonus, and the best score, among a unit's choices.
struct Extent {
    int64_t LeastLoad, MostLoad, LeastBonus, MostBonus;
    SetScore BestScore;
};

Extent ExtentOf(const std::vector<Choice>& choices)
{
    const Choice& f = choices.front();
    Extent e{f.Load, f.Load, f.Bonus, f.Bonus, f.Score};
    for (const Choice& c : choices) {
        e.LeastLoad = std::min(e.LeastLoad, c.Load);
        e.MostLoad = std::max(e.MostLoad, c.Load);
        e.LeastBonus = std::min(e.LeastBonus, c.Bonus);
        e.MostBonus = std::max(e.MostBonus, c.Bonus);
        e.BestScore = std::max(e.BestScore, c.Score);
    }
    return e;
}

// Keeps what nothing else beats: sorted by load, then larger bonus, then higher score; an entry is
// dropped when one before it has as much bonus and as high a score (equal ones: the first stays).
// When bonuses cannot be compared (an overflow edge lies within reach), only entries of equal load
// and bonus are compared. With layers > 1 the frontier of what is left is kept too, and so on.
template <class T>
std::vector<T> Frontier(std::vector<T> all, bool compareBonus, int layers = 1)
{
    std::stable_sort(all.begin(), all.end(), [](const T& a, const T& b) {
        if (a.Load != b.Load) return a.Load < b.Load;
        if (a.Bonus != b.Bonus) return a.Bonus > b.Bonus;
        return a.Score > b.Score;
    });
    std::vector<T> kept;
    for (int layer = 0; layer < layers && !all.empty(); ++layer) {
        std::vector<T> rest;
        std::map<int64_t, SetScore> stairs;  // bonus -> best score, scores falling as bonus rises
        const T* previous = nullptr;
        for (const T& x : all) {
            bool beaten;
            if (compareBonus) {
                const auto at = stairs.lower_bound(x.Bonus);
                beaten = at != stairs.end() && at->second >= x.Score;
            } else {
                beaten = previous && previous->Load == x.Load && previous->Bonus == x.Bonus;
            }
            if (beaten) {
                rest.push_back(x);
                continue;
            }
            previous = &kept.emplace_back(x);
            if (compareBonus) {
                auto at = stairs.upper_bound(x.Bonus);
                while (at != stairs.begin() && std::prev(at)->second <= x.Score) stairs.erase(std::prev(at));
                stairs.emplace(x.Bonus, x.Score);
            }
        }
        all = std::move(rest);
    }
    return kept;
}

// The maximum the page shows for the question's strength and this bonus (0 where it cannot).
int32_t MaximumFor(const BestSetQuestion& q, int64_t bonus)
{
    return q.Strength ? MaxEncumbranceIfAny(*q.Strength, bonus).value_or(0) : 0;
}

constexpr SetScore kUnreachable = -(SetScore{1} << 120);

// The most the units from u on can add to a score, loads counted and bonuses left out: an upper
// bound, since a bonus only raises the load allowed. Worked out per load when the loads span a
// table of reasonable size, otherwise the best choices of the units without regard to load.
class Ceiling {
public:
    Ceiling(const std::vector<std::vector<Choice>>& units, bool byLoad)
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

    SetScore Unbounded(size_t u) const { return best_[u]; }

    // The most the units from u on add within a load of room.
    SetScore Within(size_t u, int64_t room) const
    {
        if (room < least_[u]) return kUnreachable;
        if (!byLoad_ || room >= most_[u]) return best_[u];
        return table_[u][static_cast<size_t>(room - least_[u])];
    }

private:
    static constexpr int64_t kMaxTable = 4'000'000;
    std::vector<int64_t> least_, most_;
    std::vector<SetScore> best_;
    std::vector<std::vector<SetScore>> table_;
    bool byLoad_ = false;
};

class Search {
public:
    Search(const BestSetQuestion& q, const SearchProgress& progress) : q_(q), progress_(progress)
    {
        const SlotLists& lists = *q.Lists;
        const auto kept = [&](int s) { return q.Kept[static_cast<size_t>(s)].has_value(); };
        std::array<std::vector<Choice>, kSlotCount> singles;
        for (int s = 0; s < kSlotCount; ++s) {
            const SlotList& list = lists[static_cast<size_t>(s)];
            if (kept(s)) {
                singles[static_cast<size_t>(s)].push_back(Single(list, *q.Kept[static_cast<size_t>(s)]));
                continue;
            }
            // A ring kept on one finger is not offered to the other, unless the same ring may be
            // worn twice.
            const int other = s == Finger1 ? Finger2 : s == Finger2 ? Finger1 : s;
            const TItem* taken = other != s && kept(other) && !q.SameRing
                                     ? lists[static_cast<size_t>(other)].Record(*q.Kept[static_cast<size_t>(other)])
                                     : nullptr;
            for (int i = 0; i < list.size(); ++i)
                if (!taken || list.Record(i) != taken) singles[static_cast<size_t>(s)].push_back(Single(list, i));
        }
        compareBonus_ = Comparable(singles);
        // Both fingers free are searched together, so that a set and the same set with its rings
        // swapped count as one.
        const bool pairFingers = !kept(Finger1) && !kept(Finger2);
        for (int s = 0; s < kSlotCount; ++s) {
            if (pairFingers && s == Finger2) continue;
            Unit u;
            u.First = static_cast<Slot>(s);
            if (pairFingers && s == Finger1) {
                u.Second = Finger2;
                u.All = Pairs(singles[Finger1], singles[Finger2]);
            } else {
                u.All = std::move(singles[static_cast<size_t>(s)]);
            }
            units_.push_back(std::move(u));
        }
    }

    size_t Units() const { return units_.size(); }

    // The best set, with the choice of unit `without` barred from it (none when without is -1),
    // if one scores at least floor. Nothing when none does or the search was stopped.
    std::optional<std::vector<Choice>> Best(int without, const Choice* barred, SetScore floor, int pass, int passes)
    {
        const size_t n = units_.size();
        std::vector<std::vector<Choice>> taken(n);
        for (size_t u = 0; u < n; ++u) {
            for (const Choice& c : units_[u].All)
                if (static_cast<int>(u) != without || !SameSet(c, *barred, units_[u])) taken[u].push_back(c);
            if (taken[u].empty()) return std::nullopt;
            taken[u] = Frontier(std::move(taken[u]), compareBonus_);
        }
        const Ceiling ceiling(taken, compareBonus_ && q_.Bound != LoadBound::NoLimit);
        std::vector<int64_t> moreBonus(n + 1, 0);  // the most bonus the units from u on can add
        int64_t leastBonus = 0;
        for (size_t u = n; u-- > 0;) {
            const Extent e = ExtentOf(taken[u]);
            moreBonus[u] = moreBonus[u + 1] + e.MostBonus;
            leastBonus += e.LeastBonus;
        }
        // The most a partial set can still reach: a partial set that cannot reach floor, or a set
        // known to be admissible, is dropped.
        const bool bounded = compareBonus_ && q_.Bound != LoadBound::NoLimit;
        const auto reach = [&](size_t u, const Partial& p) {
            if (!bounded) return p.Score + ceiling.Unbounded(u);
            return p.Score + ceiling.Within(u, *LoadAllowed(q_, p.Bonus + moreBonus[u]) - p.Load);
        };
        // While bonuses compare, the best set that stays within the load the least bonus allows is
        // admissible whatever its bonus: nothing scoring below it is needed.
        if (bounded)
            floor = std::max(floor, ceiling.Within(0, *LoadAllowed(q_, leastBonus) - q_.MiscEncumbrance));
        else if (compareBonus_)
            floor = std::max(floor, ceiling.Unbounded(0));
        std::vector<std::vector<Partial>> steps;
        steps.push_back({Partial{q_.MiscEncumbrance, 0, 0, -1, -1}});
        for (size_t u = 0; u < n; ++u) {
            if (progress_ &&
                !progress_(pass * static_cast<int>(n) + static_cast<int>(u), passes * static_cast<int>(n))) {
                cancelled_ = true;
                return std::nullopt;
            }
            const std::vector<Partial>& from = steps.back();
            std::vector<Partial> next;
            for (size_t p = 0; p < from.size(); ++p)
                for (size_t c = 0; c < taken[u].size(); ++c) {
                    const Choice& x = taken[u][c];
                    const Partial q{from[p].Load + x.Load, from[p].Bonus + x.Bonus, from[p].Score + x.Score,
                                    static_cast<int>(p), static_cast<int>(c)};
                    if (reach(u + 1, q) >= floor) next.push_back(q);
                }
            steps.push_back(Frontier(std::move(next), compareBonus_));
        }
        int best = -1;
        const std::vector<Partial>& last = steps.back();
        for (size_t i = 0; i < last.size(); ++i) {
            if (!Admissible(last[i])) continue;
            if (best < 0 || Better(last[i], last[static_cast<size_t>(best)])) best = static_cast<int>(i);
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

    bool Cancelled() const { return cancelled_; }

    void Fill(const std::vector<Choice>& set, BestSetAnswer& a) const
    {
        a.Found = true;
        a.Load = q_.MiscEncumbrance;
        int64_t bonus = 0;
        for (size_t u = 0; u < units_.size(); ++u) {
            a.Picks[static_cast<size_t>(units_[u].First)] = set[u].First;
            if (units_[u].Second >= 0) a.Picks[static_cast<size_t>(units_[u].Second)] = set[u].Second;
            a.Score += set[u].Score;
            a.Load += set[u].Load;
            bonus += set[u].Bonus;
        }
        a.MaxEncumbrance = MaximumFor(q_, bonus);
        a.Category = CategoryOf(static_cast<int32_t>(a.Load), LimitsOf(a.MaxEncumbrance));
    }

private:
    struct Unit {
        Slot First = Head;
        int Second = -1;
        std::vector<Choice> All;
    };

    // Whether a partial set with less load and more bonus is always as good: true while the
    // allowed load grows with the bonus over every total within reach, and every total load and
    // bonus fits 32 bits; otherwise only partial sets of equal load and bonus are compared.
    bool Comparable(const std::array<std::vector<Choice>, kSlotCount>& singles) const
    {
        int64_t minLoad = q_.MiscEncumbrance, maxLoad = q_.MiscEncumbrance, minBonus = 0, maxBonus = 0;
        for (const std::vector<Choice>& slot : singles) {
            const Extent e = ExtentOf(slot);
            minLoad += e.LeastLoad;
            maxLoad += e.MostLoad;
            minBonus += e.LeastBonus;
            maxBonus += e.MostBonus;
        }
        if (!Fits32(minLoad) || !Fits32(maxLoad) || !Fits32(minBonus) || !Fits32(maxBonus)) return false;
        if (q_.Bound == LoadBound::NoLimit || !q_.Strength) return true;
        return *q_.Strength >= 0 && MaxEncumbranceIfAny(*q_.Strength, minBonus) &&
               MaxEncumbranceIfAny(*q_.Strength, maxBonus);
    }

    Choice Single(const SlotList& list, int entry) const
    {
        Choice c;
        c.First = entry;
        if (const TItem* item = list.Record(entry)) {
            c.Load = item->Weight;
            c.Bonus = item->EncumbranceBonus;
            c.Score = ItemScore(*item, q_.Weights);
        }
        return c;
    }

    // Both fingers: each pair of rings (different ones unless the same may be worn twice, or none),
    // from three layers of each finger's list, so that whichever ring the best pair or a barred
    // pair holds, a ring as good is left to pair with.
    std::vector<Choice> Pairs(std::vector<Choice> left, std::vector<Choice> right) const
    {
        const SlotLists& lists = *q_.Lists;
        left = Frontier(std::move(left), compareBonus_, 3);
        right = Frontier(std::move(right), compareBonus_, 3);
        std::vector<Choice> out;
        for (const Choice& y : right)  // a ring alone goes to the first finger
            for (const Choice& x : left) {
                const TItem* ring = lists[Finger1].Record(x.First);
                if (ring && ring == lists[Finger2].Record(y.First) && !q_.SameRing) continue;
                out.push_back({x.Load + y.Load, x.Bonus + y.Bonus, x.Score + y.Score, x.First, y.First});
            }
        return out;
    }

    bool SameSet(const Choice& c, const Choice& barred, const Unit& u) const
    {
        if (u.Second < 0) return c.First == barred.First;
        const SlotLists& lists = *q_.Lists;
        const TItem* c1 = lists[u.First].Record(c.First);
        const TItem* c2 = lists[static_cast<size_t>(u.Second)].Record(c.Second);
        const TItem* b1 = lists[u.First].Record(barred.First);
        const TItem* b2 = lists[static_cast<size_t>(u.Second)].Record(barred.Second);
        return (c1 == b1 && c2 == b2) || (c1 == b2 && c2 == b1);
    }

    bool Admissible(const Partial& p) const
    {
        if (!Fits32(p.Load) || !Fits32(p.Bonus)) return false;
        const auto allowed = LoadAllowed(q_, p.Bonus);
        return allowed && p.Load <= *allowed;
    }

    static bool Better(const Partial& a, const Partial& b)
    {
        if (a.Score != b.Score) return a.Score > b.Score;
        if (a.Load != b.Load) return a.Load < b.Load;
        return a.Bonus > b.Bonus;
    }

    const BestSetQuestion& q_;
    const SearchProgress& progress_;
    std::vector<Unit> units_;
    bool compareBonus_ = true;
    bool cancelled_ = false;
};

}  // namespace

SetScore ItemScore(const TItem& item, const ScoreWeights& w)
{
    const auto tenths = [](double v) { return static_cast<SetScore>(std::llround(v * 10)); };
    SetScore s =
        SetScore{w.ArmourClass} * tenths(item.ArmourClass) + SetScore{w.DamageResist} * tenths(item.DamageResist);
    SetScore whole = SetScore{w.Accuracy} * item.Accuracy + SetScore{w.Crits} * item.Crits +
                     SetScore{w.Stealth} * item.Stealth + SetScore{w.MagicRes} * item.MagicRes +
                     SetScore{w.Dodge} * item.Dodge + SetScore{w.MaxDamage} * item.MaxDamageBonus;
    for (int i = 0; i < kSlots; ++i) {
        const auto at = w.Abilities.find(item.Abilities[static_cast<size_t>(i)]);
        if (at != w.Abilities.end()) whole += SetScore{at->second} * item.AbilityValues[static_cast<size_t>(i)];
    }
    return s + whole * 10;
}

std::optional<int32_t> ReadWeight(std::string_view text, char sep)
{
    const auto hundredths = ReadDecimal(text, sep, 2, std::numeric_limits<int32_t>::max());
    if (!hundredths) return std::nullopt;
    return static_cast<int32_t>(*hundredths);
}

std::string ScoreText(SetScore thousandths, char sep) { return DecimalText(thousandths, 3, sep); }

std::optional<int64_t> LoadAllowed(const BestSetQuestion& q, int64_t bonus)
{
    if (q.Bound == LoadBound::NoLimit) return std::numeric_limits<int64_t>::max();
    if (!Fits32(bonus)) return std::nullopt;
    const EncumbranceLimits limits = LimitsOf(MaximumFor(q, bonus));
    switch (q.Bound) {
    case LoadBound::None: return limits.None;
    case LoadBound::Light: return limits.Light;
    default: return limits.Medium;
    }
}

BestSetAnswer SolveBestSet(const BestSetQuestion& q, const SearchProgress& progress)
{
    BestSetAnswer answer;
    Search search(q, progress);
    const int passes = 1 + static_cast<int>(search.Units());
    const auto best = search.Best(-1, nullptr, kUnreachable, 0, passes);
    if (search.Cancelled()) {
        answer.Cancelled = true;
        return answer;
    }
    if (!best) return answer;
    search.Fill(*best, answer);
    // Any other set differs from the best in some unit: the runner-up is the best of the searches
    // that bar the best one's choice in one unit each.
    for (size_t u = 0; u < search.Units(); ++u) {
        const auto other = search.Best(static_cast<int>(u), &(*best)[u], answer.RunnerUp.value_or(kUnreachable),
                                       static_cast<int>(u) + 1, passes);
        if (search.Cancelled()) {
            answer.Cancelled = true;
            return answer;
        }
        if (!other) continue;
        SetScore score = 0;
        for (const Choice& c : *other) score += c.Score;
        if (!answer.RunnerUp || score > *answer.RunnerUp) answer.RunnerUp = score;
    }
    return answer;
}

}  // namespace vantor
