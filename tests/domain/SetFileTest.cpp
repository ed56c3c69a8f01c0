// Set files: written, named and read leniently.
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

TEST(SetFile, WritesTheChosenItemsAndTheCharacter)
{
    TItem helm = Armour("helm", 2, 1021), sword = WithType(Armour("sword", 0, 344), 1);
    std::array<const TItem*, kSlotCount> chosen{};
    SetTexts texts{"0", "0", "100", "1", "65", "Warrior", "50"};
    EXPECT_EQ(SetFileText(chosen, texts), "edtEenc=0\r\nedtEncM=0\r\nedtStrength=100\r\nedtMiscAC=1\r\nLevel=65\r\n"
                                          "Class=Warrior\r\nAgility=50\r\nAlignment=-\r\n");
    chosen[Weapon] = &sword;
    chosen[Head] = &helm;
    chosen[Ears] = &helm;
    texts.Neutral = texts.Evil = true;
    const std::string text = SetFileText(chosen, texts);
    EXPECT_EQ(text.substr(0, text.find("edt")), "cbxHead=1021\r\ncbxEars=1021\r\ncbxWeapon=344\r\n");
    EXPECT_NE(text.find("Alignment=N\r\n"), std::string::npos);

    const struct {
        const char* Chosen;
        const char* Saved;
    } names[] = {{"gear", "gear.kreq"},
                 {" gear.txt \t", "gear.kreq"},
                 {"/tmp/a.b/gear", "/tmp/a.b/gear.kreq"},
                 {"set.kreq", "set.kreq"},
                 {"x.tar.gz", "x.tar.kreq"}};
    for (const auto& n : names) EXPECT_EQ(SetFileName(n.Chosen), n.Saved) << n.Chosen;
}

TEST(SetFile, ReadsLeniently)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
    const std::vector<std::string> lines = {"CLASS= mage \t", "level=",      "LEVEL=70",      "edtstrength=150x",
                                            "junk",           "Alignment=g", "Class=Warrior", "=5"};
    const SavedProfile p = ReadSavedProfile(lines);
    EXPECT_EQ(p.ClassName, "mage");    // the first line of a name wins
    EXPECT_EQ(p.Level, std::nullopt);  // even when it is empty
    EXPECT_EQ(p.Strength, "150x");
    EXPECT_EQ(p.Agility, std::nullopt);
    EXPECT_EQ(p.Alignment, "g");

    EXPECT_EQ(KeysInLine("cbxHead=5"), std::vector<int>{Head});
    EXPECT_EQ(KeysInLine("xxCBXFINGER2yy cbxweapon edtMiscAC"), (std::vector<int>{Finger2, Weapon, MiscACKey}));
    EXPECT_EQ(KeysInLine("edtEenc=3 edtEncM"), (std::vector<int>{MiscEncKey, EncModifierKey}));
    EXPECT_TRUE(KeysInLine("Level=65").empty());
    EXPECT_EQ(ValueOfLine("cbxHead= 12=3"), " 12=3");
    EXPECT_EQ(ValueOfLine("cbxHead"), "cbxHead");
}
