#include "equipment/BestSet.h"

#include "data/Decimal.h"
#include "equipment/bestset/Ceilings.h"
#include "equipment/bestset/Choices.h"
#include "equipment/bestset/Frontier.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantor {
namespace {

using namespace bestset;

// The maximum the page shows for the question's strength and this bonus (0 where it cannot).
int32_t MaximumFor(const BestSetQuestion& q, int64_t bonus)
{
    return q.Strength ? MaxEncumbranceIfAny(*q.Strength, bonus).value_or(0) : 0;
}

class Search {
public:
    // contenders: also keep each slot's contenders (SlotContenders).
    Search(const BestSetQuestion& q, const SearchProgress& progress, bool contenders = false)
        : q_(q), progress_(progress), table_(q.Weights)
    {
        for (size_t d = 0; d < table_.Dimensions(); ++d)
            if (table_.CapOf(d)) {
                capped_.push_back(d);
                better_.push_back(table_.WeightOf(d) > 0 ? 1 : -1);
                better_each_positive_ = better_each_positive_ && table_.WeightOf(d) > 0;
            }
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
        for (int s = 0; s < kSlotCount && contenders; ++s) {
            const int layers = s == Finger1 || s == Finger2 ? 3 : 1;
            for (const Choice& c : Frontier(singles[static_cast<size_t>(s)], compareBonus_, better_, layers))
                contenders_[static_cast<size_t>(s)].push_back(c.First);
            std::sort(contenders_[static_cast<size_t>(s)].begin(), contenders_[static_cast<size_t>(s)].end());
        }
        // Both fingers free are searched together, so that a set and the same set with its rings
        // swapped count as one.
        const bool pairFingers = !kept(Finger1) && !kept(Finger2);
        for (int s = 0; s < kSlotCount; ++s) {
            if (pairFingers && s == Finger2) continue;
            Unit u;
            u.First = static_cast<Slot>(s);
            if (pairFingers && s == Finger1) {
                u.Second = Finger2;
                u.All = RingPairs(singles[Finger1], singles[Finger2], lists, q.SameRing, compareBonus_, better_,
                                  capped_.size());
            } else {
                u.All = std::move(singles[static_cast<size_t>(s)]);
            }
            units_.push_back(std::move(u));
        }
    }

    size_t Units() const { return units_.size(); }
    bool BonusesCompare() const { return compareBonus_; }
    const std::array<std::vector<int>, kSlotCount>& SlotContenders() const { return contenders_; }
    bool HasCaps() const { return !capped_.empty(); }

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
            taken[u] = Frontier(std::move(taken[u]), compareBonus_, better_);
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
        // The most a partial set can still reach: a partial set that cannot reach floor, or a set
        // known to be admissible, is dropped.
        const bool bounded = compareBonus_ && q_.Bound != LoadBound::NoLimit;
        const auto reach = [&](size_t u, const Partial& p) {
            const int64_t room = bounded ? *LoadAllowed(q_, p.Bonus + moreBonus[u]) - p.Load : 0;
            const SetScore uncapped = bounded ? ceiling.Within(u, room) : ceiling.Unbounded(u);
            if (uncapped == kUnreachable) return kUnreachable;
            SetScore most = p.Score + uncapped + CappedCeiling(p.Totals, rest, u);
            for (const Lagrange& g : lagrange) {
                const SetScore within = bounded ? g.Table.Within(u, room) : g.Table.Unbounded(u);
                SetScore bound = p.Score + within + g.Rest;
                for (size_t k = 0; k < capped_.size(); ++k) bound += SetScore{g.Weights[k]} * p.Totals[k];
                most = std::min(most, bound);
            }
            return most;
        };
        // While bonuses compare and nothing is capped, the best set that stays within the load the
        // least bonus allows is admissible whatever its bonus: nothing scoring below it is needed.
        if (capped_.empty()) {
            if (bounded)
                floor = std::max(floor, ceiling.Within(0, *LoadAllowed(q_, leastBonus) - q_.MiscEncumbrance));
            else if (compareBonus_)
                floor = std::max(floor, ceiling.Unbounded(0));
        }
        std::vector<std::vector<Partial>> steps;
        steps.push_back({Partial{q_.MiscEncumbrance, 0, 0, {}, -1, -1}});
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
                    Partial q{from[p].Load + x.Load, from[p].Bonus + x.Bonus, from[p].Score + x.Score,
                              from[p].Totals,        static_cast<int>(p),     static_cast<int>(c)};
                    for (size_t k = 0; k < capped_.size(); ++k)
                        q.Totals[k] =
                            std::min(q.Totals[k] + x.Totals[k], *table_.CapOf(capped_[k]) + rest.Fall[u + 1][k]);
                    if (reach(u + 1, q) >= floor) next.push_back(q);
                }
            steps.push_back(capped_.empty() ? Frontier(std::move(next), compareBonus_, better_)
                                            : Prune(std::move(next), rest, u + 1));
        }
        return ReadBack(steps, taken, floor);
    }

    // With caps all weighed for, more ceilings: a capped total's share w x min(T, cap) is at most
    // l x T + (w - l) x cap for any l from 0 to w, a sum over the items again. Each l gives a
    // ceiling; the least of them bounds a partial set. (w, w/2, w/4, w/8.)
    struct Lagrange {
        std::vector<int32_t> Weights;  // l for each capped total
        Ceiling Table;
        SetScore Rest;  // the sum of (w - l) x cap
    };
    std::vector<Lagrange> LagrangeCeilings(const std::vector<std::vector<Choice>>& taken) const
    {
        std::vector<Lagrange> lagrange;
        if (!capped_.empty() && better_each_positive_) {
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
    std::optional<std::vector<Choice>> ReadBack(const std::vector<std::vector<Partial>>& steps,
                                                const std::vector<std::vector<Choice>>& taken, SetScore floor) const
    {
        const size_t n = taken.size();
        int best = -1;
        const std::vector<Partial>& last = steps.back();
        for (size_t i = 0; i < last.size(); ++i) {
            if (!Admissible(last[i]) || Final(last[i]) < floor) continue;
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

    // The partial sets no other beats, when totals are capped. Two partial sets of equal capped
    // totals compare as without caps; of different ones, a partial set is beaten by one with no
    // more load and no less bonus whose score, counting its capped totals at the least the units
    // from u on can make of them, is no less than the other's counting them at the most.
    std::vector<Partial> Prune(std::vector<Partial> all, const Rest& rest, size_t u) const
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

    // The score of a whole set, its capped totals counted up to their caps.
    SetScore Final(const Partial& p) const
    {
        SetScore s = p.Score;
        for (size_t k = 0; k < capped_.size(); ++k) s += table_.Part(capped_[k], p.Totals[k]);
        return s;
    }
    SetScore Final(const std::vector<Choice>& set) const
    {
        Partial p;
        for (const Choice& c : set) {
            p.Score += c.Score;
            for (size_t k = 0; k < capped_.size(); ++k) p.Totals[k] += c.Totals[k];
        }
        return Final(p);
    }

    bool Cancelled() const { return cancelled_; }

    // The choices of the units that make up these picks; nothing when a unit does not offer its.
    std::optional<std::vector<Choice>> ChoicesOf(const std::array<int, kSlotCount>& picks) const
    {
        std::vector<Choice> set;
        for (const Unit& u : units_) {
            const auto at = std::find_if(u.All.begin(), u.All.end(), [&](const Choice& c) {
                return c.First == picks[static_cast<size_t>(u.First)] &&
                       (u.Second < 0 || c.Second == picks[static_cast<size_t>(u.Second)]);
            });
            if (at == u.All.end()) return std::nullopt;
            set.push_back(*at);
        }
        return set;
    }

    // A unit's choices that no other beats, for the climb.
    const std::vector<Choice>& Offered(size_t u) const
    {
        if (offered_.empty()) {
            offered_.resize(units_.size());
            for (size_t v = 0; v < units_.size(); ++v) offered_[v] = Frontier(units_[v].All, compareBonus_, better_);
        }
        return offered_[u];
    }

    // The set as a partial set of every unit: its sums.
    Partial Whole(const std::vector<Choice>& set) const
    {
        Partial p{q_.MiscEncumbrance, 0, 0, {}, -1, -1};
        for (const Choice& c : set) {
            p.Load += c.Load;
            p.Bonus += c.Bonus;
            p.Score += c.Score;
            for (size_t k = 0; k < capped_.size(); ++k) p.Totals[k] += c.Totals[k];
        }
        return p;
    }

    // Better sets one unit's choice away, taken while there are: a set to start the search from
    // (its score bounds the answer from below). Also the best set one choice away from the
    // answer found, which bounds the runner-up: other is set to it.
    SetScore Climb(std::vector<Choice>& set,
                   std::optional<std::pair<SetScore, std::vector<Choice>>>* other = nullptr) const
    {
        SetScore score = Final(Whole(set));
        // The score of the set with its choices of units u and v (v: none) changed to c and d.
        const auto tryWith = [&](size_t u, const Choice& c, size_t v, const Choice* d) -> std::optional<SetScore> {
            const Choice wasU = set[u];
            const Choice wasV = d ? set[v] : Choice{};
            set[u] = c;
            if (d) set[v] = *d;
            const Partial p = Whole(set);
            std::optional<SetScore> s;
            if (Admissible(p)) s = Final(p);
            set[u] = wasU;
            if (d) set[v] = wasV;
            return s;
        };
        if (other) {  // every set one choice away from this one
            for (size_t u = 0; u < set.size(); ++u)
                for (const Choice& c : Offered(u)) {
                    if (SameSet(c, set[u], units_[u])) continue;
                    const auto s = tryWith(u, c, 0, nullptr);
                    if (s && (!*other || *s > (*other)->first)) {
                        std::vector<Choice> near = set;
                        near[u] = c;
                        *other = std::pair(*s, near);
                    }
                }
            return score;
        }
        // The best change of one choice, else of two, while one raises the score (bounded: each
        // round raises it, and there are finitely many sets; a few rounds in practice).
        for (int round = 0; round < 64; ++round) {
            SetScore best = score;
            std::pair<size_t, Choice> one{0, {}}, two{0, {}};
            bool pair = false, found = false;
            for (size_t u = 0; u < set.size(); ++u)
                for (const Choice& c : Offered(u))
                    if (const auto s = tryWith(u, c, 0, nullptr); s && *s > best) {
                        best = *s;
                        one = {u, c};
                        found = true;
                    }
            for (size_t u = 0; u < set.size() && !found; ++u)
                for (size_t v = u + 1; v < set.size(); ++v)
                    for (const Choice& c : Offered(u))
                        for (const Choice& d : Offered(v))
                            if (const auto s = tryWith(u, c, v, &d); s && *s > best) {
                                best = *s;
                                one = {u, c};
                                two = {v, d};
                                pair = true;
                            }
            if (best == score) break;
            set[one.first] = one.second;
            if (pair) set[two.first] = two.second;
            score = best;
        }
        return score;
    }

    void Fill(const std::vector<Choice>& set, BestSetAnswer& a) const
    {
        a.Found = true;
        a.Load = q_.MiscEncumbrance;
        int64_t bonus = 0;
        for (size_t u = 0; u < units_.size(); ++u) {
            a.Picks[static_cast<size_t>(units_[u].First)] = set[u].First;
            if (units_[u].Second >= 0) a.Picks[static_cast<size_t>(units_[u].Second)] = set[u].Second;
            a.Load += set[u].Load;
            bonus += set[u].Bonus;
        }
        a.Score = Final(set);
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
            for (size_t d = 0, k = 0; d < table_.Dimensions(); ++d) {
                const int64_t v = table_.ValueOf(*item, d);
                if (k < capped_.size() && capped_[k] == d)
                    c.Totals[k++] = v;
                else
                    c.Score += SetScore{table_.WeightOf(d)} * v;
            }
        }
        return c;
    }

    // The most a partial set's capped totals can still add to its score from unit u on: each
    // total as high (or, weighed against, as low) as the units to come can take it, up to its cap.
    SetScore CappedCeiling(const Capped& totals, const Rest& rest, size_t u) const;

    bool SameSet(const Choice& c, const Choice& barred, const Unit& u) const
    {
        return SameItems(c, barred, *q_.Lists, u.First, u.Second);
    }

    bool Admissible(const Partial& p) const
    {
        if (!Fits32(p.Load) || !Fits32(p.Bonus)) return false;
        const auto allowed = LoadAllowed(q_, p.Bonus);
        return allowed && p.Load <= *allowed;
    }

    bool Better(const Partial& a, const Partial& b) const
    {
        if (Final(a) != Final(b)) return Final(a) > Final(b);
        if (a.Load != b.Load) return a.Load < b.Load;
        return a.Bonus > b.Bonus;
    }

    const BestSetQuestion& q_;
    const SearchProgress& progress_;
    ScoreTable table_;
    std::vector<size_t> capped_;        // the dimensions with a cap, in their order
    std::vector<int> better_;           // for each, 1 when a higher total is better, -1 when a lower one is
    bool better_each_positive_ = true;  // every capped weight positive: a capped total counts no more than itself
    std::vector<Unit> units_;
    mutable std::vector<std::vector<Choice>> offered_;     // Offered, once worked out
    std::array<std::vector<int>, kSlotCount> contenders_;  // per slot, the entries Frontier keeps
    bool compareBonus_ = true;
    bool cancelled_ = false;
};

SetScore Search::CappedCeiling(const Capped& totals, const Rest& rest, size_t u) const
{
    SetScore s = 0;
    for (size_t k = 0; k < capped_.size(); ++k) {
        const size_t d = capped_[k];
        const int64_t end = table_.WeightOf(d) > 0 ? totals[k] + rest.Rise[u][k] : totals[k] + rest.Least[u][k];
        s += table_.Part(d, end);
    }
    return s;
}

}  // namespace

std::optional<int32_t> ReadWeight(std::string_view text, char sep)
{
    const auto hundredths = ReadDecimal(text, sep, 2, std::numeric_limits<int32_t>::max());
    if (!hundredths) return std::nullopt;
    return static_cast<int32_t>(*hundredths);
}

std::optional<int64_t> ReadCap(std::string_view text, char sep)
{
    const std::optional<int64_t> tenths = ReadDecimal(text, sep, 1, kMaxCapTenths);
    if (tenths && *tenths < 0) return std::nullopt;  // no total can be held below nothing
    return tenths;
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

ChosenItems ChosenOf(const BestSetQuestion& q, const std::array<int, kSlotCount>& picks)
{
    ChosenItems chosen{};
    for (size_t s = 0; s < chosen.size(); ++s) chosen[s] = (*q.Lists)[s].Record(picks[s]);
    return chosen;
}

std::optional<std::array<std::vector<int>, kSlotCount>> Contenders(const BestSetQuestion& q)
{
    if (std::any_of(q.Kept.begin(), q.Kept.end(), [](const auto& k) { return k.has_value(); })) return std::nullopt;
    const SearchProgress none;
    const Search search(q, none, true);
    if (!search.BonusesCompare()) return std::nullopt;
    return search.SlotContenders();
}

BestSetAnswer SolveBestSet(const BestSetQuestion& q, const SearchProgress& progress, bool runnerUp)
{
    BestSetAnswer answer;
    Search search(q, progress);
    const int passes = 1 + static_cast<int>(search.Units());
    // With caps, a few sets are found first, quickly since their scores add up: the best with the
    // capped totals weighed at their weights, at half, a quarter, an eighth and not at all, caps
    // lifted. The best of their capped scores is one a set reaches, so nothing scoring less is
    // searched; those that are not the answer also bound the runner-up.
    SetScore floor = kUnreachable;
    std::vector<std::pair<SetScore, std::array<int, kSlotCount>>> found;
    std::vector<std::array<int, kSlotCount>> starts;  // each climbed from once
    if (search.HasCaps()) {
        for (const int shift : {0, 1, 2, 3, -1}) {
            BestSetQuestion plain = q;
            const auto lift = [shift](Weight& w) {
                if (!w.CapTenths) return;
                w.CapTenths.reset();
                w.Hundredths = shift < 0 ? 0 : w.Hundredths / (1 << shift);
            };
            for (Weight& w : plain.Weights.Features) lift(w);
            for (auto& [name, w] : plain.Weights.Abilities) lift(w);
            const BestSetAnswer a = SolveBestSet(
                plain, [&](int, int) { return !progress || progress(0, passes); }, false);
            if (a.Cancelled) {
                answer.Cancelled = true;
                return answer;
            }
            if (!a.Found || std::any_of(starts.begin(), starts.end(), [&](const auto& p) { return p == a.Picks; }))
                continue;
            starts.push_back(a.Picks);
            std::optional<std::vector<Choice>> start = search.ChoicesOf(a.Picks);
            if (!start) continue;
            const SetScore climbed = search.Climb(*start);
            BestSetAnswer at;
            search.Fill(*start, at);
            found.push_back({climbed, at.Picks});
            floor = std::max(floor, found.back().first);
        }
    }
    const auto best = search.Best(-1, nullptr, floor, 0, passes);
    if (search.Cancelled()) {
        answer.Cancelled = true;
        return answer;
    }
    if (!best) return answer;
    search.Fill(*best, answer);
    if (!runnerUp) return answer;
    // The runner-up is bounded from below by the sets found before that are not the answer and
    // by the best set one choice away from it; once another set scores as high, no set does more.
    for (const auto& [score, picks] : found)
        if (ChosenOf(q, picks) != ChosenOf(q, answer.Picks) && (!answer.RunnerUp || score > *answer.RunnerUp))
            answer.RunnerUp = score;
    std::vector<Choice> answerSet = *best;
    std::optional<std::pair<SetScore, std::vector<Choice>>> near;
    search.Climb(answerSet, &near);
    if (near && (!answer.RunnerUp || near->first > *answer.RunnerUp)) answer.RunnerUp = near->first;
    if (answer.RunnerUp == answer.Score) return answer;
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
        const SetScore score = search.Final(*other);
        if (!answer.RunnerUp || score > *answer.RunnerUp) answer.RunnerUp = score;
        if (answer.RunnerUp == answer.Score) break;
    }
    return answer;
}

}  // namespace vantor
