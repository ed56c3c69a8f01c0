// The ability texts of an item, with the spells it names.
#include "TestFiles.h"
#include "data/ItemFile.h"
#include "data/SpellFile.h"
#include "lists/ItemText.h"

#include <gtest/gtest.h>

using namespace vantor;
using testfiles::Ability;
using testfiles::Fields;
using testfiles::ItemLine;
using testfiles::SpellLine;
using testfiles::operator+;

namespace {

// The Special text of an item line, read with the given spells.
std::string SpecialOf(const std::string& line, SpellList& spells)
{
    SpellDescriber describer(spells);
    TItem item = ParseItemLine(line);
    DescribeItem(item, describer);
    return std::string(item.Special.view());
}

std::string SpecialOf(const std::string& line)
{
    SpellList none;
    return SpecialOf(line, none);
}

}  // namespace

TEST(ItemText, AbilityPartsFollowTheirRules)
{
    const struct {
        Fields fields;
        const char* special;
    } cases[] = {
        {{}, "None"},
        {Ability(1, 22, 5) + Ability(2, 97, 0) + Ability(3, 36, 10) + Fields{{18, "8"}},
         "Accuracy +5, Good, M.R. +10, Thief Only"},
        {Ability(1, 97, 3), "Good +3"},
        {Ability(1, 98, 0) + Ability(2, 100, 0) + Ability(3, 112, 0) + Ability(4, 113, 0),
         "Evil, Loyal, Neutral, Not Neutral"},
        {Ability(1, 119, 0) + Ability(2, 138, 0), "Delete @ Cleanup, Room Visible"},
        {Ability(1, 28, 3) + Ability(2, 86, -2) + Ability(3, 142, 4), "Magical 3, Quality -2, HitMagic 4"},
        {Ability(1, 34, 0) + Ability(2, 96, -5) + Ability(3, 123, 2) + Ability(4, 145, 1),
         "Dodge 0, Encumberance -5, HP Regen +2, Mana Regen +1"},
        {Ability(1, 59, 1), "ClassOk Warrior"},
        {Ability(1, 59, 99), "ClassOk Class 99"},
        {Ability(1, 116, 5) + Ability(2, 135, 10), "None"},
        {Ability(1, 7, 5), "DR +5"},
        {Ability(1, 200, -1), "?200 -1"},
        {Ability(1, 114, 25) + Ability(2, 43, 12), "Casts Spell 12 25%"},
        {Ability(1, 43, 12) + Ability(2, 114, 25), "Casts Spell 12 "},
        {Fields{{18, "8"}, {19, "99"}, {31, "12"}, {32, "5"}}, "Thief Only, Class 99 Only, Negate's 12, Negate's 5"},
    };
    for (const auto& c : cases) EXPECT_EQ(SpecialOf(ItemLine("x", c.fields)), c.special) << c.special;
}

TEST(ItemText, SpellsAreNamedWhenLoaded)
{
    SpellList spells;
    Read1Spell(SpellLine(12, "Fire Bolt", {{3, "50"}, {6, "10"}, {7, "20"}, {26, "1"}}), spells);
    EXPECT_EQ(
        SpecialOf(ItemLine("x", Ability(1, 114, 25) + Ability(2, 43, 12) + Fields{{31, "12"}, {32, "7"}}), spells),
        "Casts Spell (Fire Bolt Damage (No AC) 10 to 20) 25%, Negate's Fire Bolt (12), Negate's 7");
}
