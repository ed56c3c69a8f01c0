#pragma once
// The space the best-set search runs over: the question's scale split into plain and capped
// dimensions, the units of the search (a slot each, both fingers as one) with their choices, and
// what a whole or partial set scores and whether it stays within the bound.

#include "equipment/BestSet.h"
#include "equipment/bestset/Ceilings.h"
#include "equipment/bestset/Choices.h"
#include "equipment/bestset/Frontier.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace vantor::bestset {

class SearchSpace {
public:
    // contenders: also keep each slot's contenders (SlotContenders).
    explicit SearchSpace(const BestSetQuestion& q, bool contenders = false) : q_(q), table_(q.Weights)
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
            // The records lie in load order while the lists run by name: each read would wait on
            // memory, so the record a few entries on is asked for ahead.
            singles[static_cast<size_t>(s)].reserve(static_cast<size_t>(list.size()));
            for (int i = 0; i < list.size(); ++i) {
                if (const TItem* ahead = list.Record(i + kReadAhead)) {
                    __builtin_prefetch(&ahead->ArmourClass);
                    __builtin_prefetch(&ahead->Weight);
                    __builtin_prefetch(&ahead->AbilityValues);
                }
                if (!taken || list.Record(i) != taken) singles[static_cast<size_t>(s)].push_back(Single(list, i));
            }
        }
        compareBonus_ = Comparable(singles);
        int64_t leastBonus = 0, mostBonus = 0;
        for (const std::vector<Choice>& slot : singles) {
            const Extent e = ExtentOf(slot);
            leastBonus += e.LeastBonus;
            mostBonus += e.MostBonus;
        }
        if (mostBonus - leastBonus < kMaxAllowedTable) {
            leastBonus_ = leastBonus;
            for (int64_t b = leastBonus; b <= mostBonus; ++b) allowed_.push_back(LoadAllowed(q_, b));
        }
        if (compareBonus_ && q.Bound != LoadBound::NoLimit && q.Strength)
            if (const auto base = MaxEncumbranceIfAny(*q.Strength, 0)) {
                const int percent = q.Bound == LoadBound::None    ? kNonePercent
                                    : q.Bound == LoadBound::Light ? kLightPercent
                                                                  : kMediumPercent;
                slope_ = SetScore{*base} * percent;
            }
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

    // The space of the question of `capped` with the capped totals weighed at l (one multiplier
    // each) and no cap: the choices are those `capped` offers (a choice it drops is beaten at
    // any l of the weights' signs too), scored again.
    SearchSpace(const SearchSpace& capped, const std::vector<int32_t>& l)
        : q_(capped.q_), table_(capped.q_.Weights), allowed_(capped.allowed_), leastBonus_(capped.leastBonus_),
          slope_(capped.slope_), compareBonus_(capped.compareBonus_)
    {
        for (size_t u = 0; u < capped.units_.size(); ++u) {
            Unit unit = capped.units_[u];
            unit.All = capped.Offered(u);
            for (Choice& c : unit.All) {
                c.Score = Weighed(c.Score, c.Totals, l);
                c.Totals = {};
            }
            units_.push_back(std::move(unit));
        }
    }

    size_t Units() const { return units_.size(); }
    bool BonusesCompare() const { return compareBonus_; }
    const std::array<std::vector<int>, kSlotCount>& SlotContenders() const { return contenders_; }
    bool HasCaps() const { return !capped_.empty(); }

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

    // A unit of the search: a slot, or both fingers together, and its choices.
    struct Unit {
        Slot First = Head;
        int Second = -1;
        std::vector<Choice> All;
    };
    const std::vector<Unit>& UnitList() const { return units_; }
    const BestSetQuestion& Question() const { return q_; }
    const ScoreTable& Table() const { return table_; }
    const std::vector<size_t>& CappedDimensions() const { return capped_; }
    const std::vector<int>& BetterWay() const { return better_; }
    bool EachCapWeighedFor() const { return better_each_positive_; }

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

    // The load a set of this total bonus may reach (LoadAllowed).
    std::optional<int64_t> Allowed(int64_t bonus) const
    {
        if (bonus >= leastBonus_ && bonus - leastBonus_ < static_cast<int64_t>(allowed_.size()))
            return allowed_[static_cast<size_t>(bonus - leastBonus_)];
        return LoadAllowed(q_, bonus);
    }

    // Where the bound is in force, a set within it has 10^4 x load - s x bonus at most 100 x s, s
    // the maximum at no bonus times the bound's share in percent (the page's maximum and limits
    // only round down): one sum over the choices, each bonus folded into an effective load. The
    // effective loads rounded down to whole loads stay within the room rounded down.
    // Whether the ceilings count them: only while the bound is in force and loads and bonuses
    // compare, and where the bound cuts into the best choices (the best of each unit, the
    // lightest of equals, do not fit the least room); otherwise the plain loads bound as well,
    // on a smaller table.
    bool CountsEffectiveLoads() const
    {
        if (!slope_) return false;
        if (!binds_) {
            int64_t load = q_.MiscEncumbrance, leastBonus = 0;
            for (size_t u = 0; u < units_.size(); ++u) {
                const std::vector<Choice>& offered = Offered(u);
                const Choice* top = &offered.front();
                for (const Choice& c : offered)
                    if (c.Score > top->Score || (c.Score == top->Score && c.Load < top->Load)) top = &c;
                load += top->Load;
                leastBonus += ExtentOf(offered).LeastBonus;
            }
            const auto allowed = Allowed(leastBonus);
            binds_ = !allowed || load > *allowed;
        }
        return *binds_;
    }
    std::vector<std::vector<Choice>> WithEffectiveLoads(std::vector<std::vector<Choice>> units) const
    {
        for (auto& unit : units)
            for (Choice& c : unit) c.Load = WholeLoads(SetScore{c.Load} * 10'000 - *slope_ * c.Bonus);
        return units;
    }
    // The effective load the choices still to come may add to a partial set.
    int64_t EffectiveRoom(const Partial& p) const
    {
        return WholeLoads(*slope_ * 100 - (SetScore{p.Load} * 10'000 - *slope_ * p.Bonus));
    }

    bool Admissible(const Partial& p) const
    {
        if (!Fits32(p.Load) || !Fits32(p.Bonus)) return false;
        const auto allowed = Allowed(p.Bonus);
        return allowed && p.Load <= *allowed;
    }

    bool Better(const Partial& a, const Partial& b) const
    {
        if (Final(a) != Final(b)) return Final(a) > Final(b);
        if (a.Load != b.Load) return a.Load < b.Load;
        return a.Bonus > b.Bonus;
    }

private:
    static constexpr int kReadAhead = 12;
    static constexpr int64_t kMaxAllowedTable = 1 << 20;
    const BestSetQuestion& q_;
    ScoreTable table_;
    // The load allowed for each total bonus from leastBonus_ on that the sets can reach, worked out
    // once: the search asks for it at every partial set.
    std::vector<std::optional<int64_t>> allowed_;
    int64_t leastBonus_ = 0;
    std::optional<SetScore> slope_;      // s of CountsEffectiveLoads
    mutable std::optional<bool> binds_;  // CountsEffectiveLoads, once worked out
    // x / 10^4 rounded down (toward minus infinity); within 64 bits for the sums of 32-bit loads
    // and bonuses.
    static int64_t WholeLoads(SetScore x)
    {
        SetScore q = x / 10'000;
        if (x % 10'000 < 0) --q;
        return static_cast<int64_t>(q);
    }
    std::vector<size_t> capped_;        // the dimensions with a cap, in their order
    std::vector<int> better_;           // for each, 1 when a higher total is better, -1 when a lower one is
    bool better_each_positive_ = true;  // every capped weight positive: a capped total counts no more than itself
    std::vector<Unit> units_;
    mutable std::vector<std::vector<Choice>> offered_;     // Offered, once worked out
    std::array<std::vector<int>, kSlotCount> contenders_;  // per slot, the entries Frontier keeps
    bool compareBonus_ = true;
};

}  // namespace vantor::bestset
