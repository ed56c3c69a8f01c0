#pragma once
// The bounds of the best-set search: the most the units still to come can add to a score (within
// a load, or without regard to it), and how far they can move each capped total.

#include "equipment/bestset/Choices.h"

#include <vector>

namespace vantor::bestset {

// A score no set reaches.
constexpr SetScore kUnreachable = -(SetScore{1} << 120);

// The most the units from u on can add to a score, loads counted and bonuses left out: an upper
// bound, since a bonus only raises the load allowed. Worked out per load in a table of at most
// maxTable entries: in whole loads where they span so few, else in a coarser unit, each load
// rounded down (the rounded loads of a set within a room stay within the room rounded down).
class Ceiling {
public:
    static constexpr int64_t kMaxTable = 1 << 16;

    Ceiling(const std::vector<std::vector<Choice>>& units, bool byLoad, int64_t maxTable = kMaxTable);
    SetScore Unbounded(size_t u) const { return best_[u]; }
    // Whether Within is the best score within the room itself, not only a bound on it.
    bool Exact() const { return byLoad_ && unit_ == 1; }

    // The most the units from u on add within a load of room.
    SetScore Within(size_t u, int64_t room) const
    {
        if (!byLoad_) return best_[u];
        const int64_t r = InUnits(room);
        if (r < least_[u]) return kUnreachable;
        if (r >= most_[u]) return best_[u];
        return table_[u][static_cast<size_t>(r - least_[u])];
    }

private:
    int64_t InUnits(int64_t load) const { return load / unit_ - (load % unit_ < 0 ? 1 : 0); }

    std::vector<int64_t> least_, most_;  // in units
    std::vector<SetScore> best_;
    std::vector<std::vector<SetScore>> table_;
    bool byLoad_ = false;
    int64_t unit_ = 1;
};

// What the units from u on can do to each capped total: raise it by at most Rise, lower it by at
// most Fall (both of the choices' extremes summed), so that a total past its cap by more than Fall
// can be kept as cap + Fall.
struct Rest {
    std::vector<Capped> Rise, Fall, Least;  // Least: the lowest the units can add (Fall's sign turned)

    Rest(const std::vector<std::vector<Choice>>& units, size_t caps);
};

}  // namespace vantor::bestset
