#pragma once
// The layered search of the best set: unit by unit, the partial sets that can still reach the
// floor and that no other beats, bounded by the ceilings (Lagrangian ones for capped totals), and
// the best whole set read back from the last layer.

#include "equipment/bestset/SearchSpace.h"

#include <optional>
#include <vector>

namespace vantor::bestset {

class LayeredSearch {
public:
    LayeredSearch(const SearchSpace& space, const SearchProgress& progress);

    // The best set, with the choice of unit `without` barred from it (none when without is -1),
    // if one scores at least floor. Nothing when none does or the search was stopped. pass of
    // passes: how far the whole work has come, for the progress.
    std::optional<std::vector<Choice>> Best(int without, const Choice* barred, SetScore floor, int pass, int passes);
    bool Cancelled() const { return cancelled_; }

    // With caps all weighed for, a capped total's share w x min(T, cap) is at most l x T +
    // (w - l) x cap for any l from 0 to w: a sum over the items again, and so a ceiling. These
    // are the multipliers l, one per capped total, that give the least ceiling on a whole set of
    // the unbarred search; worked out once. Empty when there are none to choose.
    const std::vector<int32_t>& Multipliers();

private:
    struct Lagrange {
        std::vector<int32_t> Weights;  // l for each capped total
        Ceiling Table;
        SetScore Rest;  // the sum of (w - l) x cap
    };
    // The choices as the ceilings count their loads, and what a partial set leaves the units from
    // u on (RoomOf): where the bound is in force, effective loads when they are counted (a bonus
    // then costs the score of what it displaces), else loads within the room the most bonus
    // would give.
    struct Bounding {
        bool Bounded = false, Effective = false;
        std::vector<std::vector<Choice>> Units;
        std::vector<int64_t> MoreBonus;  // the most bonus the units from u on can add
    };
    Bounding BoundingOf(const std::vector<std::vector<Choice>>& taken) const;
    int64_t RoomOf(const Bounding& b, size_t u, const Partial& p) const;
    // Each unit's choices a search may take: with the choice of unit without barred (-1: none).
    // Nothing when a unit is left with none.
    std::optional<std::vector<std::vector<Choice>>> Taken(int without, const Choice* barred) const;
    // The choices scored with the capped totals weighed at l; the sum of (w - l) x cap.
    std::vector<std::vector<Choice>> Scored(std::vector<std::vector<Choice>> units,
                                            const std::vector<int32_t>& l) const;
    SetScore RestOf(const std::vector<int32_t>& l) const;
    // The best whole set of the last layer that is admissible and scores at least floor, read
    // back through the layers to its choices; nothing when none is.
    std::optional<std::vector<Choice>> ReadBack(const std::vector<std::vector<Partial>>& steps,
                                                const std::vector<std::vector<Choice>>& taken, SetScore floor) const;
    // The partial sets no other beats, when totals are capped.
    std::vector<Partial> Prune(std::vector<Partial> all, const Rest& rest, size_t u) const;

    const SearchSpace& space_;
    SearchProgress progress_;
    const BestSetQuestion& q_;
    const ScoreTable& table_;
    const std::vector<size_t>& capped_;
    const std::vector<int>& better_;
    bool compareBonus_;
    bool cancelled_ = false;
    std::optional<std::vector<int32_t>> multipliers_;
};

}  // namespace vantor::bestset
