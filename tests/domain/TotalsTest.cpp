// The totals of a set and its summary.
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

TEST(Totals, AddUpTheChosenItemsFromTheStartValues)
{
    TItem helm = Armour("helm", 2);
    helm.ArmourClass = 2.5;
    helm.DamageResist = 0.3;
    helm.Accuracy = 4;
    helm.Stealth = 5;
    helm.Weight = 30;
    helm.EncumbranceBonus = 5;
    helm.Crits = 1;
    helm.MagicRes = 7;
    helm.Dodge = -5;
    helm.MaxDamageBonus = 2;
    helm.Abilities = {27, 34, 28, 190, 7, 0, 201, -3, 0, 0};
    helm.AbilityValues = {5, -5, 9, 3, 3, 1, 1, 1, 0, 0};
    TItem boots = Armour("boots", 5);
    boots.ArmourClass = 1;
    boots.Weight = 10;
    boots.Abilities = {27, 135, 0, 0, 0, 0, 0, 0, 0, 0};
    boots.AbilityValues = {-5, 40, 0, 0, 0, 0, 0, 0, 0, 0};
    ChosenItems chosen{};
    chosen[Head] = &helm;
    chosen[Feet] = &boots;

    const EquipmentTotals t = AddUpEquipment(chosen, "12", "1");
    EXPECT_DOUBLE_EQ(t.ArmourClass, 4.5);
    EXPECT_DOUBLE_EQ(t.DamageResist, 0.3);
    EXPECT_EQ(t.Encumbrance, 52);
    EXPECT_EQ(t.EncumbranceBonus, 5);
    EXPECT_EQ(t.Dodge, -5);
    EXPECT_EQ(t.Stealth, 5);  // the field, not the ability
    // Stealth +5 and -5 cancel; Magical and MinLevel never show; the DR ability shows as stored;
    // a code without a name shows its number; codes outside 1..200 count for nothing.
    EXPECT_EQ(AbilitySummary(t), "DR +3, Dodge -5, ?190 +3");

    const struct {
        const char* Enc;
        const char* AC;
        int32_t Encumbrance;
        double ArmourClass;
    } starts[] = {{"0", "1", 40, 4.5}, {" 5", "+2", 45, 5.5}, {"1.5", "1", 40, 3.5},       {"5", "x", 40, 3.5},
                  {"", "1", 40, 3.5},  {"-7", "-1", 33, 2.5}, {"2147483648", "1", 40, 3.5}};
    for (const auto& s : starts) {
        const EquipmentTotals u = AddUpEquipment(chosen, s.Enc, s.AC);
        EXPECT_EQ(u.Encumbrance, s.Encumbrance) << s.Enc << " / " << s.AC;
        EXPECT_DOUBLE_EQ(u.ArmourClass, s.ArmourClass) << s.Enc << " / " << s.AC;
    }
    const EquipmentTotals none = AddUpEquipment(ChosenItems{}, "0", "1");
    EXPECT_DOUBLE_EQ(none.ArmourClass, 1);
    EXPECT_EQ(AbilitySummary(none), "");
}

TEST(Totals, OverflowRaisesInsteadOfWrapping)
{
    TItem heavy = Armour("anvil", 2);
    heavy.Weight = INT32_MAX;
    ChosenItems chosen{};
    chosen[Head] = &heavy;
    EXPECT_EQ(AddUpEquipment(chosen, "0", "1").Encumbrance, INT32_MAX);
    EXPECT_THROW(AddUpEquipment(chosen, "1", "1"), EIntOverflow);
    TItem lucky = Armour("charm", 16);
    lucky.Abilities[0] = 22;
    lucky.AbilityValues[0] = INT32_MIN;
    chosen[Head] = nullptr;
    chosen[Worn] = &lucky;
    chosen[Neck] = &lucky;
    EXPECT_THROW(AddUpEquipment(chosen, "0", "1"), EIntOverflow);
}

TEST(Totals, HintShowsOneAbilityPerLine)
{
    TItem item;
    item.Special = "Accuracy +5, Stealth +2, Casts Spell (Fire, 3)";
    EXPECT_EQ(SlotHint(item), "Accuracy +5\nStealth +2\nCasts Spell (Fire\n3)");
    item.Special = "";
    EXPECT_EQ(SlotHint(item), "");
}
