#pragma once
// What the best-set search works with: a unit's choices (a slot's entry, or a pair of rings), the
// partial sets it builds, and what a unit's choices span.

#include "equipment/BestSet.h"

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace vantor::bestset {

constexpr int64_t kMin32 = std::numeric_limits<int32_t>::min(), kMax32 = std::numeric_limits<int32_t>::max();

inline bool Fits32(int64_t v) { return v >= kMin32 && v <= kMax32; }

// The capped totals of a choice or a partial set, in tenths, one per capped dimension of the scale.
using Capped = std::array<int64_t, kMaxCaps>;

// What one unit of the search (a slot, or both fingers together) may take.
struct Choice {
    int64_t Load = 0, Bonus = 0;
    SetScore Score = 0;          // of the dimensions without a cap
    Capped Totals{};             // of the capped ones
    int First = 0, Second = -1;  // entries of the unit's slot(s)
};

// A partial set: its sums, and how it was reached (for reading the set back).
struct Partial {
    int64_t Load = 0, Bonus = 0;
    SetScore Score = 0;
    Capped Totals{};
    int Parent = -1, Choice = -1;
};

// A score with capped totals added at the multipliers l, one per capped total.
inline SetScore Weighed(SetScore score, const Capped& totals, const std::vector<int32_t>& l)
{
    for (size_t k = 0; k < l.size(); ++k) score += SetScore{l[k]} * totals[k];
    return score;
}

struct Extent {
    int64_t LeastLoad, MostLoad, LeastBonus, MostBonus;
    SetScore BestScore;
};

// The least and most load and bonus, and the best score, of a unit's choices (there is one at least).
Extent ExtentOf(const std::vector<Choice>& choices);

// The maximum the page shows for the question's strength and this bonus (0 where it cannot).
int32_t MaximumFor(const BestSetQuestion& q, int64_t bonus);

// Both fingers searched as one unit: each pair of rings from left and right (entries of Finger1 and
// Finger2: a different ring on each unless the same may be worn twice, or none), from three
// layers of each finger's frontier, so that whichever ring the best pair or a barred pair holds, a
// ring as good is left to pair with.
std::vector<Choice> RingPairs(std::vector<Choice> left, std::vector<Choice> right, const SlotLists& lists,
                              bool sameRing, bool compareBonus, const std::vector<int>& better, size_t caps);

// Whether two choices of a unit (slot first, and second for the fingers, else -1) wear the same
// items: for the fingers, the same two rings on either finger.
bool SameItems(const Choice& c, const Choice& other, const SlotLists& lists, Slot first, int second);

}  // namespace vantor::bestset
