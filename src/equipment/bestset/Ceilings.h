#pragma once
// The bounds of the best-set search: the most the units still to come can add to a score (within
// a load, or without regard to it), and how far they can move each capped total.

#include "equipment/bestset/Choices.h"

#include <vector>

namespace vantor::bestset {

// A score no set reaches.
constexpr SetScore kUnreachable = -(SetScore{1} << 120);

// The most the units from u on can add to a score, loads counted and bonuses left out: an upper
// bound, since a bonus only raises the load allowed. Worked out per load when the loads span a
// table of reasonable size, otherwise the best choices of the units without regard to load.
class Ceiling {
public:
    Ceiling(const std::vector<std::vector<Choice>>& units, bool byLoad);
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

// What the units from u on can do to each capped total: raise it by at most Rise, lower it by at
// most Fall (both of the choices' extremes summed), so that a total past its cap by more than Fall
// can be kept as cap + Fall.
struct Rest {
    std::vector<Capped> Rise, Fall, Least;  // Least: the lowest the units can add (Fall's sign turned)

    Rest(const std::vector<std::vector<Choice>>& units, size_t caps);
};

}  // namespace vantor::bestset
