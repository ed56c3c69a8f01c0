// Which slot takes which item, and the slot lists.
#include "TestItems.h"
#include "data/Checked.h"
#include "data/CodeTables.h"
#include "data/Errors.h"
#include "equipment/Compare.h"
#include "equipment/Encumbrance.h"
#include "equipment/Paste.h"
#include "equipment/SetFile.h"
#include "equipment/SlotLists.h"
#include "equipment/Totals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <deque>
#include <map>
#include <random>
#include <set>
#include <tuple>

using namespace vantor;
using testitems::Armour;
using testitems::Texts;
using testitems::WithType;

TEST(SlotRules, EachItemGoesWhereItIsWorn)
{
    const struct {
        int32_t Type, Worn;
        std::set<Slot> Slots;
    } cases[] = {
        {0, 2, {Head}},
        {0, 8, {Neck}},
        {0, 7, {Back}},
        {0, 15, {Ears}},
        {0, 11, {Torso}},
        {0, 6, {Arms}},
        {0, 3, {Gloves}},
        {0, 4, {Finger1, Finger2}},
        {0, 13, {Finger1, Finger2}},
        {0, 14, {Wrist}},
        {0, 10, {Waist}},
        {0, 9, {Legs}},
        {0, 5, {Feet}},
        {0, 12, {Offhand}},
        {0, 16, {Worn}},
        {0, 0, {}},
        {0, 1, {}},
        {0, 17, {}},
        {1, 2, {Weapon}},
        {1, 0, {Weapon}},
        {2, 2, {}},
        {-1, 2, {}},
    };
    for (const auto& c : cases) {
        const TItem item = WithType(Armour("x", c.Worn), c.Type);
        std::set<Slot> got;
        for (int s = 0; s < kSlotCount; ++s)
            if (SlotReceives(static_cast<Slot>(s), item)) got.insert(static_cast<Slot>(s));
        EXPECT_EQ(got, c.Slots) << "type " << c.Type << " worn " << c.Worn;
    }
    EXPECT_STREQ(SlotTable()[Offhand].Name, "cbxOffhand");
    EXPECT_STREQ(SlotTable()[Offhand].Caption, "Off-Hand");
}

TEST(SlotRules, FillSortsByNameKeepsNoneFirstAndFiltersByUse)
{
    ItemList items;
    items.push_back(Armour("zinc cap", 2, 1));
    items.push_back(Armour("Iron Cap", 2, 2));
    items.push_back(Armour("iron cap", 2, 3));  // same name folded: kept in file order
    items.push_back(Armour("Brass Ring", 4, 4));
    items.push_back(WithType(Armour("Axe", 0, 5), 1));
    items.push_back(WithType(Armour("Apple", 2, 6), 4));
    SlotLists lists;
    SlotList swing;
    FillSlotLists(items, {}, lists, &swing);
    EXPECT_EQ(Texts(lists[Head]), (std::vector<std::string>{"*None*", "Iron Cap", "iron cap", "zinc cap"}));
    EXPECT_EQ(lists[Head].Record(2)->Number, 3);
    EXPECT_EQ(lists[Head].Record(0), nullptr);
    EXPECT_EQ(lists[Head].Record(99), nullptr);
    EXPECT_EQ(lists[Head].EntryOf(lists[Head].Record(2)), 2);
    EXPECT_EQ(lists[Head].EntryOf(nullptr), 0);
    EXPECT_EQ(lists[Head].EntryOf(lists[Weapon].Record(1)), -1);
    EXPECT_EQ(Texts(lists[Finger1]), Texts(lists[Finger2]));
    EXPECT_EQ(Texts(lists[Weapon]), (std::vector<std::string>{"*None*", "Axe"}));
    EXPECT_EQ(Texts(swing), Texts(lists[Weapon]));
    EXPECT_EQ(Texts(lists[Feet]), std::vector<std::string>{"*None*"});
    EXPECT_EQ(lists[Head].FindText("IRON CAP"), 1);
    EXPECT_EQ(lists[Head].FindText("copper cap"), -1);

    // A usability test narrows the slots; an earlier fill leaves nothing behind.
    FillSlotLists(
        items, [](const TItem& i) { return i.Number != 2 && i.Number != 5; }, lists, nullptr);
    EXPECT_EQ(Texts(lists[Head]), (std::vector<std::string>{"*None*", "iron cap", "zinc cap"}));
    EXPECT_EQ(lists[Weapon].size(), 1);
    EXPECT_EQ(swing.size(), 2);  // not part of that fill

    // The lists of every item, narrowed, are the lists filled with the same test.
    EXPECT_EQ(ItemsByName(items), (std::vector<uint32_t>{5, 4, 3, 1, 2, 0}));
    SlotLists all;
    FillSlotLists(items, {}, all, nullptr);
    const std::function<bool(const TItem&)> tests[] = {{}, [](const TItem& i) { return i.Number % 2 == 1; }};
    for (const auto& usable : tests) {
        SlotLists narrowed, filled;
        SlotList narrowedSwing, filledSwing;
        NarrowSlotLists(all, usable, narrowed, &narrowedSwing);
        FillSlotLists(items, usable, filled, &filledSwing);
        for (size_t s = 0; s < kSlotCount; ++s) EXPECT_EQ(Texts(narrowed[s]), Texts(filled[s])) << s;
        EXPECT_EQ(Texts(narrowedSwing), Texts(filledSwing));
    }
}
