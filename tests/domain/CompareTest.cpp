// An item beside the one worn, and two sets side by side.
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
#include "equipment/Wear.h"

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

TEST(Compare, StatByStatAndTheCategoryAfterTheSwap)
{
    TItem helm = Armour("new helm", 2), worn = Armour("old helm", 2), boots = Armour("boots", 5);
    helm.ArmourClass = 2.5;
    helm.Weight = 300;
    helm.Accuracy = 2;
    helm.Abilities[0] = 22;
    helm.AbilityValues[0] = 4;
    worn.ArmourClass = 3;
    worn.Weight = 10;
    worn.MinLevel = 20;
    boots.Weight = 500;
    ChosenItems chosen{};
    chosen[Head] = &worn;
    chosen[Feet] = &boots;
    EXPECT_EQ(CompareSlots(helm), std::vector<Slot>{Head});
    const Comparison c = CompareWithWorn(helm, Head, chosen, {"0", "1", "10"}, '.');
    const auto row = [&](const std::string& stat) {  // the abilities come last: search from the end
        for (auto r = c.Rows.rbegin(); r != c.Rows.rend(); ++r)
            if (r->Stat == stat) return *r;
        ADD_FAILURE() << stat;
        return CompareRow{};
    };
    const struct {
        std::string Stat;
        const char* Item;
        const char* Worn;
        const char* Difference;
        int Better;
    } expected[] = {{"Armour class", "2.5", "3", "-0.5", -1},
                    {"Encumbrance", "300", "10", "+290", -1},
                    {"Critical hits", "0", "0", "0", 0},
                    {"Level needed", "0", "20", "-20", 1},
                    {"Dodge", "0", "0", "0", 0},
                    {GetFlagName(22), "+4", "", "+4", 1}};
    for (const auto& e : expected) {
        const CompareRow r = row(e.Stat);
        EXPECT_EQ(std::tie(r.Item, r.Worn, r.Difference, r.Better), std::tie(e.Item, e.Worn, e.Difference, e.Better))
            << e.Stat;
    }
    // Strength 10 carries 480, limits 81, 163 and 321: 510 is heavy, 800 too.
    EXPECT_EQ(c.Before, EncumbranceCategory::Heavy);
    const Comparison light = CompareWithWorn(helm, Head, {}, {"0", "1", "10"}, '.');
    EXPECT_EQ(light.Before, EncumbranceCategory::None);
    EXPECT_EQ(light.After, EncumbranceCategory::Medium);  // 300 of 480: above 163, up to 321
    EXPECT_EQ(CompareWithWorn(helm, Head, {}, {"x", "1", "10"}, '.').After, EncumbranceCategory::Medium);
}

TEST(Compare, SetsDifferInWholeTenthsAndLeaveOutWhatIsNoAmount)
{
    // Armour class and damage resistance in tenths whose binary sums are not exact.
    const struct {
        double LeftAC, RightAC, LeftDR, RightDR;
        const char *AC, *DR;
    } rows[] = {{7.1, 7.2, 0.3, 0.1, "-0.1", "+0.2"},
                {0.1 + 0.2, 0.3, 1.1, 2.2, "0", "-1.1"},
                {12.7, 0, 0, 0.7, "+12.7", "-0.7"}};
    for (const auto& r : rows) {
        TItem left = Armour("left", 2), right = Armour("right", 2);
        left.ArmourClass = r.LeftAC;
        right.ArmourClass = r.RightAC;
        left.DamageResist = r.LeftDR;
        right.DamageResist = r.RightDR;
        // Both cast a spell, by number, with a chance: neither is summed nor compared.
        for (TItem* item : {&left, &right}) {
            item->Abilities[0] = 43;
            item->AbilityValues[0] = item == &left ? 12 : 30;
            item->Abilities[1] = 22;
            item->AbilityValues[1] = 2;
        }
        ChosenItems l{}, rr{};
        l[Head] = &left;
        rr[Head] = &right;
        const SetComparison c = CompareSets(l, {"0", "0", "100"}, rr, {"0", "0", "100"}, '.', Scale{});
        std::map<std::string, std::string> difference;
        for (const CompareRow& row : c.Rows) difference[row.Stat] = row.Difference;
        EXPECT_EQ(difference["Armour class"], r.AC);
        EXPECT_EQ(difference["Damage resistance"], r.DR);
        EXPECT_EQ(difference.count(GetFlagName(43)), 0u);
        EXPECT_EQ(difference[GetFlagName(22)], "0");
    }
}

TEST(Wear, FreeSlotFirstThenTheWornOneThenTheLargerGain)
{
    TItem helm = Armour("helm", 2), ring = Armour("ring", 4), weak = Armour("weak", 4), strong = Armour("strong", 13);
    TItem sword = WithType(Armour("sword", 0), 1), apple = WithType(Armour("apple", 2), 4);
    ring.ArmourClass = 2;
    weak.ArmourClass = 1;
    strong.ArmourClass = 5;
    Scale scale;
    scale.Features[kAC].Hundredths = 100;
    const ScoreTable table(scale);
    const auto all = [](Slot) { return true; };
    const auto noFirstFinger = [](Slot s) { return s != Finger1; };
    const auto none = [](Slot) { return false; };
    const auto worn = [](std::initializer_list<std::pair<Slot, const TItem*>> on) {
        ChosenItems chosen{};
        for (const auto& [s, item] : on) chosen[static_cast<size_t>(s)] = item;
        return chosen;
    };
    const struct {
        const char* Case;
        const TItem* Item;
        ChosenItems Worn;
        std::function<bool(Slot)> Holds;
        std::optional<Slot> Expected;
    } cases[] = {
        {"armour in its slot", &helm, {}, all, Head},
        {"armour over what is worn", &helm, worn({{Head, &apple}}), all, Head},
        {"a weapon", &sword, {}, all, Weapon},
        {"nothing takes an apple", &apple, {}, all, std::nullopt},
        {"no list holds it", &helm, {}, none, std::nullopt},
        {"both fingers free: the first", &ring, {}, all, Finger1},
        {"the first taken: the free second", &ring, worn({{Finger1, &strong}}), all, Finger2},
        {"the first list leaves it out", &ring, {}, noFirstFinger, Finger2},
        {"both taken: in place of the weaker", &ring, worn({{Finger1, &strong}, {Finger2, &weak}}), all, Finger2},
        {"both taken, the weaker first", &ring, worn({{Finger1, &weak}, {Finger2, &strong}}), all, Finger1},
        {"worn already, no finger free", &ring, worn({{Finger1, &strong}, {Finger2, &ring}}), all, Finger2},
        {"worn on one, the other free", &ring, worn({{Finger1, &ring}}), all, Finger2},
    };
    for (const auto& c : cases) EXPECT_EQ(WearSlot(*c.Item, c.Worn, table, c.Holds), c.Expected) << c.Case;
}
