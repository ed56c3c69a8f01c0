#pragma once
// What to hunt next: the best set a character can wear from the items it owns, the best from every
// item the slot lists offer, and for the items of the second it does not own (and the items
// that would each gain most in one slot), how much the best owned set would rise if the
// character owned that one item, each worked out by a solve of its own.

#include "equipment/BestSet.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace vantor {

// The items with the largest single-slot gains over the best owned set that are weighed too.
constexpr size_t kHuntTopGains = 10;

struct HuntRow {
    const TItem* Item = nullptr;
    // The best owned set's rise with the item owned too (its score, when no owned set stays
    // within the bound); an item with which no set does is not listed.
    SetScore Gain = 0;
};

struct HuntAnswer {
    bool Cancelled = false;
    BestSetAnswer Owned, Everything;  // picks of the question's lists
    std::vector<HuntRow> Rows;        // the largest gain first; equal gains by name
};

// The best set from the items owned accepts (and the items of the slots the question keeps), as
// SolveBestSet answers; its picks are entries of q.Lists.
BestSetAnswer SolveBestOwnedSet(const BestSetQuestion& q, const std::function<bool(const TItem&)>& owned,
                                const SearchProgress& progress = nullptr, bool runnerUp = true);

// q.Lists hold every item the slot lists offer; owned says which the character owns. Kept slots
// are not kept: the hunt plans the whole set.
HuntAnswer WhatToGetNext(BestSetQuestion q, const std::function<bool(const TItem&)>& owned,
                         const SearchProgress& progress = nullptr);

}  // namespace vantor
