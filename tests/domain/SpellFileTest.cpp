#include "TestFiles.h"
#include "data/Errors.h"
#include "data/SpellFile.h"

#include <gtest/gtest.h>

using namespace vantor;
using testfiles::SpellLine;
using testfiles::TempDir;

TEST(SpellRecord, FieldsLandInTheirPlaces)
{
    std::vector<std::pair<int, std::string>> f = {{3, "50"},        {4, "200"},  {5, "5"},   {6, "10"},   {7, "20"},
                                                  {8, "3"},         {9, "-7"},   {10, "2"},  {11, "12"},  {12, "4"},
                                                  {13, "5"},        {14, "3"},   {15, "1"},  {16, "101"}, {25, "110"},
                                                  {26, "1"},        {35, "151"}, {36, "13"}, {37, "9"},   {38, "6"},
                                                  {39, " \"fb\" "}, {40, "2"},   {41, "10"}, {42, "1"},   {43, "6"}};
    const TSpell s = ParseSpellLine(SpellLine(12, " \"Fire Bolt\" ", f));
    EXPECT_EQ(s.Number, 12);
    EXPECT_EQ(s.Name, "Fire Bolt");
    EXPECT_EQ(s.LevelCap, 50);
    EXPECT_EQ(s.Energy, 200);
    EXPECT_EQ(s.Level, 5);
    EXPECT_EQ(s.MinValue, 10);
    EXPECT_EQ(s.MaxValue, 20);
    EXPECT_EQ(s.SpellType, 3);
    EXPECT_EQ(s.Difficulty, -7);
    EXPECT_EQ(s.CasterType, 2);
    EXPECT_EQ(s.Mana, 12);
    EXPECT_EQ(s.MaxIncrement, 4);
    EXPECT_EQ(s.MaxLevelStep, 5);
    EXPECT_EQ(s.MagicLevel, 3);
    EXPECT_TRUE(s.LevelCapFlag);
    EXPECT_EQ(s.AbilityValues[0], 101);
    EXPECT_EQ(s.AbilityValues[9], 110);
    EXPECT_EQ(s.Abilities[0], 1);
    EXPECT_EQ(s.Abilities[9], 151);
    EXPECT_EQ(s.Targets, 13);
    EXPECT_EQ(s.Duration, 9);
    EXPECT_EQ(s.Element, 6);
    EXPECT_EQ(s.Code, "fb");
    EXPECT_EQ(s.DurationIncrement, 2);
    EXPECT_EQ(s.DurationLevelStep, 10);
    EXPECT_EQ(s.MinIncrement, 1);
    EXPECT_EQ(s.MinLevelStep, 6);
    EXPECT_TRUE(s.Notes.empty());
    EXPECT_EQ(s.MaxDuration, 0);
}

TEST(SpellRecord, MagicLevelAndFlagRules)
{
    EXPECT_EQ(ParseSpellLine(SpellLine(1, "a", {{10, "2"}, {14, "0"}})).MagicLevel, 1);
    EXPECT_EQ(ParseSpellLine(SpellLine(1, "a", {{10, "0"}, {14, "0"}})).MagicLevel, 0);
    EXPECT_EQ(ParseSpellLine(SpellLine(1, "a", {{10, "-1"}, {14, "0"}})).MagicLevel, 0);
    EXPECT_FALSE(ParseSpellLine(SpellLine(1, "a", {{15, "2"}})).LevelCapFlag);
    EXPECT_EQ(ParseSpellLine(SpellLine(1, "a", {{5, "\"7\""}})).Level, 7);  // quotes become blanks
}

TEST(SpellRecord, BadLinesRaiseTheConversionError)
{
    const std::string good = SpellLine(1, "a");
    EXPECT_THROW(ParseSpellLine(""), EConvertError);
    EXPECT_THROW(ParseSpellLine(good.substr(0, good.rfind(','))), EConvertError);  // 42 fields
    EXPECT_NO_THROW(ParseSpellLine(good + ",extra"));
    const auto error = testfiles::ConversionError([] { ParseSpellLine(SpellLine(1, "a", {{11, "lots"}})); });
    ASSERT_TRUE(error);
    EXPECT_STREQ(error->what(), "'lots' is not a valid integer value");
}

TEST(SpellFile, BothFilesInOrderFirstNumberWins)
{
    TempDir dir;
    dir.Write("spells.txt", SpellLine(5, "Frost Touch") + "\n" + SpellLine(6, "Old Ward 1") + "\n" +
                                SpellLine(7, "Asdf") + "\n" + SpellLine(8, "Gale Aura") + "\n");
    dir.Write("spellsVtab0.txt", SpellLine(5, "Frost Touch Again") + "\r\n" + SpellLine(9, "Hush Chant"));
    SpellList spells;
    ReadSpellData(dir.Path(), spells, nullptr);
    ASSERT_EQ(spells.size(), 4u);
    EXPECT_EQ(spells[0].Name, "Frost Touch");
    EXPECT_EQ(spells[1].Name, "Gale Aura");
    EXPECT_EQ(spells[2].Name, "Frost Touch Again");
    EXPECT_EQ(spells[3].Name, "Hush Chant");
    EXPECT_EQ(spells.Find(5)->Name, "Frost Touch");
    EXPECT_EQ(spells.Find(6), nullptr);
    EXPECT_EQ(spells.Find(9)->Name, "Hush Chant");
}

TEST(SpellFile, FailureInTheFirstFileStopsBeforeTheSecond)
{
    TempDir dir;
    dir.Write("spells.txt", SpellLine(5, "Frost Touch") + "\n" + SpellLine(6, "Bad", {{3, "x"}}) + "\n");
    dir.Write("spellsVtab0.txt", SpellLine(9, "Hush Chant") + "\n");
    SpellList spells;
    const auto error = testfiles::ConversionError([&] { ReadSpellData(dir.Path(), spells, nullptr); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->File, "spells.txt");
    EXPECT_EQ(error->Line, 2);
    ASSERT_EQ(spells.size(), 1u);
    EXPECT_EQ(spells[0].Name, "Frost Touch");
}

TEST(SpellFile, OnlyTheSecondFileOrNone)
{
    TempDir dir;
    SpellList spells;
    ReadSpellData(dir.Path(), spells, nullptr);
    EXPECT_TRUE(spells.empty());
    dir.Write("spellsVtab0.txt", SpellLine(9, "Hush Chant") + "\n");
    ReadSpellData(dir.Path(), spells, nullptr);
    EXPECT_EQ(spells.size(), 1u);
}
