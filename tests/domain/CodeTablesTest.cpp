#include "data/CodeTables.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vantor;

struct LookUpCase {
    const char* table;
    std::function<std::string(int32_t)> lookUp;
    int32_t code;
    const char* text;
};

TEST(CodeTables, LookUpsGiveTheEntryOrTheFallback)
{
    const LookUpCase cases[] = {
        {"ability", GetFlagName, 0, "?0"},
        {"ability", GetFlagName, 1, "Damage (No AC)"},
        {"ability", GetFlagName, 2, "AC"},
        {"ability", GetFlagName, 10, "AC"},
        {"ability", GetFlagName, 43, "Casts Spell"},
        {"ability", GetFlagName, 83, "CURSED"},
        {"ability", GetFlagName, 96, "Encumberance"},
        {"ability", GetFlagName, 114, "Spell%"},
        {"ability", GetFlagName, 151, "End Cast"},
        {"ability", GetFlagName, 164, "CastEnd%"},
        {"ability", GetFlagName, 169, "Can't Wear Location"},
        {"ability", GetFlagName, 180, "PickLocks"},
        {"ability", GetFlagName, 187, "Meditate"},
        {"ability", GetFlagName, 188, "?188"},
        {"ability", GetFlagName, -5, "?-5"},
        {"material", GetArmourMaterial, 0, "None"},
        {"material", GetArmourMaterial, 6, "Leather"},
        {"material", GetArmourMaterial, 9, "Plate"},
        {"material", GetArmourMaterial, 10, "10"},
        {"material", GetArmourMaterial, -1, "-1"},
        {"body part", GetArmourBodyPart, 0, "0"},
        {"body part", GetArmourBodyPart, 1, "1"},
        {"body part", GetArmourBodyPart, 2, "Head"},
        {"body part", GetArmourBodyPart, 13, "Fingers2"},
        {"body part", GetArmourBodyPart, 16, "Emblem"},
        {"body part", GetArmourBodyPart, 17, "17"},
        {"caster", GetCasterType, 0, "None"},
        {"caster", GetCasterType, 5, "Mystic"},
        {"caster", GetCasterType, -1, "CasterType -1"},
        {"caster", GetCasterType, 6, "CasterType 6"},
        {"element", GetSpellElement, 2, "Cold, Hot, Lightning, Stone"},
        {"element", GetSpellElement, 4, ""},
        {"element", GetSpellElement, 6, "Poison"},
        {"element", GetSpellElement, 7, "Element 7"},
        {"target", GetSpellTargetType, 0, "Self or user"},
        {"target", GetSpellTargetType, 13, "Full Party"},
        {"target", GetSpellTargetType, 14, "Affects 14"},
        {"class", GetClass, 0, "None"},
        {"class", GetClass, 8, "Thief"},
        {"class", GetClass, 15, "Mystic"},
        {"class", GetClass, 16, "Class 16"},
        {"item type", GetItemType, 0, "Armor"},
        {"item type", GetItemType, 10, "Special"},
        {"item type", GetItemType, 11, "Class 11"},
        {"weapon type", GetWeaponType, 3, "Two-handed Edged "},
        {"weapon type", GetWeaponType, 2, "One-handed Edged"},
        {"weapon type", GetWeaponType, 4, "Type 4"},
        {"spell type", GetSpellType, 0, "Combat"},
        {"spell type", GetSpellType, 1, "Spelltype 1"},
        {"spell type", GetSpellType, 3, "Between Rounds"},
        {"ability", GetFlagName, INT32_MIN, "?-2147483648"},
        {"class", GetClass, INT32_MAX, "Class 2147483647"},
    };
    for (const LookUpCase& c : cases) EXPECT_EQ(c.lookUp(c.code), c.text) << c.table << " " << c.code;
}

TEST(CodeTables, EveryAbilityCodeHasItsOwnName)
{
    // Codes 1..187 all have a text that is not the fallback; 0 and 188 fall back.
    for (int32_t code = 1; code <= 187; ++code) EXPECT_NE(GetFlagName(code)[0], '?') << code;
    EXPECT_EQ(GetFlagName(37), "Picklocks");
    EXPECT_EQ(GetFlagName(179), "FindTraps");
    EXPECT_EQ(GetFlagName(40), "Find Traps");
    EXPECT_EQ(GetFlagName(82), "Cursed");
    EXPECT_EQ(GetFlagName(105), "Accuracy");
    EXPECT_EQ(GetFlagName(106), "Accuracy");
    EXPECT_EQ(GetFlagName(22), "Accuracy");
    EXPECT_EQ(GetFlagName(135), "MinLevel");
    EXPECT_EQ(GetFlagName(142), "HitMagic");
}

TEST(CodeTables, CodedListsCarryTheirCodes)
{
    const auto codeOf = [](const std::vector<CodedEntry>& entries, const std::string& text) {
        for (const CodedEntry& e : entries)
            if (text == e.Text) return e.Code;
        return -1;
    };
    EXPECT_EQ(ClassEntries().size(), 16u);
    EXPECT_EQ(codeOf(ClassEntries(), "Thief"), 8);
    EXPECT_EQ(codeOf(ClassEntries(), "(any)"), 0);
    EXPECT_EQ(codeOf(ClassEntries(), "Mystic"), 15);
    EXPECT_EQ(WornEntries().size(), 15u);
    EXPECT_EQ(codeOf(WornEntries(), "(none)"), 0);
    EXPECT_EQ(codeOf(WornEntries(), "Wrist"), 14);
    for (const CodedEntry& e : WornEntries()) EXPECT_NE(e.Code, 13);
    EXPECT_EQ(MagicLevelEntries().size(), 7u);
    EXPECT_EQ(codeOf(MagicLevelEntries(), "6+"), 6);
    EXPECT_EQ(codeOf(MagicLevelEntries(), "(magical level)"), 0);
}
