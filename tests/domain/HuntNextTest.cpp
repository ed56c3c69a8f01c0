#include "equipment/HuntNext.h"

#include <gtest/gtest.h>

#include <random>

using namespace vantor;

// The best owned set, and each gain of the hunt, against solves over lists of owned items alone.
TEST(HuntNext, EachGainIsTheBestOwnedSetWithThatItemOwnedToo)
{
    std::mt19937 random(20261210);
    const auto pickIn = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 60; ++round) {
        ItemList items;
        for (int n = pickIn(3, 40); n > 0; --n) {
            TItem item;
            item.Name = "item " + std::to_string(pickIn(0, 30));
            // Heads, torsos, rings and weapons.
            const int kind = pickIn(0, 3);
            item.WornSlot = kind == 0 ? 2 : kind == 1 ? 11 : 4;
            item.ItemType = kind == 3 ? 1 : 0;
            item.Weight = pickIn(0, 40);
            item.ArmourClass = pickIn(0, 60) / 10.0;
            item.EncumbranceBonus = pickIn(0, 4) == 0 ? pickIn(-20, 40) : 0;
            item.Crits = pickIn(-2, 6);
            items.push_back(std::move(item));
        }
        std::vector<bool> mine(items.size());
        for (size_t i = 0; i < items.size(); ++i) mine[i] = pickIn(0, 2) == 0;
        const auto owned = [&](const TItem& item) {
            for (size_t i = 0; i < items.size(); ++i)
                if (&items[i] == &item) return static_cast<bool>(mine[i]);
            return false;
        };
        SlotLists lists;
        FillSlotLists(items, {}, lists, nullptr);
        BestSetQuestion q;
        q.Lists = &lists;
        q.Weights.Features[kAC].Hundredths = pickIn(-100, 500);
        q.Weights.Features[kCrits] = {pickIn(-199, 199),
                                      pickIn(0, 2) == 0 ? std::optional<int64_t>(pickIn(0, 80)) : std::nullopt};
        q.Bound = static_cast<LoadBound>(pickIn(0, 3));
        q.Strength = pickIn(0, 3);
        SCOPED_TRACE(round);

        const HuntAnswer hunt = WhatToGetNext(q, owned);
        // The owned best as a solve over lists of the owned items alone.
        const auto bestOf = [&](const std::function<bool(const TItem&)>& usable) {
            SlotLists some;
            FillSlotLists(items, usable, some, nullptr);
            BestSetQuestion ask = q;
            ask.Lists = &some;
            return SolveBestSet(ask, nullptr, false);
        };
        const BestSetAnswer ownedBest = bestOf(owned);
        ASSERT_EQ(hunt.Owned.Found, ownedBest.Found);
        EXPECT_TRUE(hunt.Owned.Score == ownedBest.Score);
        EXPECT_TRUE(hunt.Everything.Score == SolveBestSet(q, nullptr, false).Score);
        const BestSetAnswer mineOnly = SolveBestOwnedSet(q, owned, nullptr, false);
        ASSERT_EQ(mineOnly.Found, ownedBest.Found);
        EXPECT_TRUE(mineOnly.Score == ownedBest.Score);
        // With the head kept to an item the character may not own: as a solve over the owned items
        // and that one, and every other pick owned.
        if (lists[Head].size() > 1) {
            BestSetQuestion keep = q;
            keep.Kept[Head] = pickIn(1, lists[Head].size() - 1);
            const TItem* worn = lists[Head].Record(*keep.Kept[Head]);
            SlotLists some;
            FillSlotLists(
                items, [&](const TItem& x) { return &x == worn || owned(x); }, some, nullptr);
            BestSetQuestion ask = keep;
            ask.Lists = &some;
            ask.Kept[Head] = some[Head].EntryOf(worn);
            const BestSetAnswer a = SolveBestOwnedSet(keep, owned, nullptr, false),
                                b = SolveBestSet(ask, nullptr, false);
            ASSERT_EQ(a.Found, b.Found);
            EXPECT_TRUE(a.Score == b.Score);
            const ChosenItems chosen = ChosenOf(q, a.Picks);
            if (a.Found) {
                EXPECT_EQ(chosen[Head], worn);
            }
            for (size_t s = 0; s < kSlotCount && a.Found; ++s) {
                EXPECT_TRUE(s == Head || !chosen[s] || owned(*chosen[s]));
            }
        }
        for (size_t i = 1; i < hunt.Rows.size(); ++i) EXPECT_GE(hunt.Rows[i - 1].Gain, hunt.Rows[i].Gain);
        for (const HuntRow& row : hunt.Rows) {
            EXPECT_FALSE(owned(*row.Item));
            const BestSetAnswer with = bestOf([&](const TItem& x) { return &x == row.Item || owned(x); });
            ASSERT_TRUE(with.Found);
            EXPECT_TRUE(row.Gain == with.Score - (ownedBest.Found ? ownedBest.Score : 0)) << row.Item->Name;
        }
        // Every item of the best set from everything the character lacks is weighed.
        for (const TItem* item : ChosenOf(q, hunt.Everything.Picks))
            if (item && !owned(*item)) {
                EXPECT_TRUE(std::any_of(hunt.Rows.begin(), hunt.Rows.end(), [&](const HuntRow& r) {
                    return r.Item == item;
                })) << item->Name;
            }
    }
}
