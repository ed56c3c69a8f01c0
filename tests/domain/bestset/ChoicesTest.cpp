// The fingers as one unit: every pair of rings from three layers of each finger's frontier, a
// ring on both fingers only when the same may be worn twice; and which choices wear the same.
#include "equipment/bestset/Choices.h"

#include <gtest/gtest.h>

#include <set>

using namespace vantor;
using namespace vantor::bestset;

TEST(Choices, RingPairsAndTheSameItemsOnEitherFinger)
{
    ItemList items;
    for (const char* name : {"Gold Ring", "Jade Ring", "Onyx Ring"}) {
        TItem& ring = items.emplace_back();
        ring.Name = name;
        ring.WornSlot = 4;
    }
    SlotLists lists;
    FillSlotLists(items, {}, lists, nullptr);
    std::vector<Choice> finger(lists[Finger1].size());
    for (int i = 0; i < lists[Finger1].size(); ++i) {
        finger[static_cast<size_t>(i)].First = i;
        finger[static_cast<size_t>(i)].Score = i;  // each ring its own score: none beats another on all
        finger[static_cast<size_t>(i)].Load = i;
    }
    for (const bool same : {false, true}) {
        std::set<std::pair<int, int>> pairs;
        for (const Choice& c : RingPairs(finger, finger, lists, same, true, {}, 0)) {
            EXPECT_EQ(c.Score, c.First + c.Second);
            EXPECT_TRUE(same || c.First == 0 || c.First != c.Second);
            pairs.emplace(c.First, c.Second);
        }
        // Four entries a finger (none and three rings): every pair, less the three doubles.
        EXPECT_EQ(pairs.size(), same ? 16u : 13u);
    }
    Choice a, b;
    a.First = 1;
    a.Second = 2;
    b.First = 2;
    b.Second = 1;
    EXPECT_TRUE(SameItems(a, b, lists, Finger1, Finger2));
    b.Second = 3;
    EXPECT_FALSE(SameItems(a, b, lists, Finger1, Finger2));
    EXPECT_TRUE(SameItems(a, a, lists, Head, -1));
    EXPECT_FALSE(SameItems(a, b, lists, Head, -1));
}
