// The whole load: spells before items, on one thread or two.
#include "SampleData.h"
#include "TestFiles.h"
#include "lists/ItemDump.h"
#include "lists/LoadRecords.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace vantor;
using testfiles::Ability;
using testfiles::Fields;
using testfiles::ItemLine;
using testfiles::SpellLine;
using testfiles::TempDir;
using testfiles::operator+;

TEST(LoadRecords, SpellsAreDescribedBeforeItemsNameThem)
{
    TempDir dir;
    dir.Write("spells.txt", SpellLine(12, "Fire Bolt", {{3, "50"}, {6, "10"}, {7, "20"}, {26, "1"}}) + "\n");
    dir.Write("Items.txt", ItemLine("Wand", Ability(1, 43, 12)) + "\n");
    SpellList spells;
    ItemList items;
    LoadRecords(dir.Path(), spells, items, nullptr);
    ASSERT_EQ(spells.size(), 1u);
    EXPECT_EQ(spells[0].Basics, "Damage (No AC) 10 to 20");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].Special, "Casts Spell (Fire Bolt Damage (No AC) 10 to 20) ");
}

// Every field a load fills, one line per record, to compare two loads.
static std::string LoadedText(const SpellList& spells, const ItemList& items)
{
    std::string out;
    for (const TSpell& s : spells)
        for (const std::string& part :
             {std::to_string(s.Number), s.Name, s.Notes, s.Basics, std::to_string(s.MaxLevelStep),
              std::to_string(s.MaxDuration), std::string("\n")})
            out.append(part).append("|");
    for (const TItem& i : items) {
        out.append(std::to_string(i.Number)).append(" ").append(ItemDumpLine(i, '.'));
        for (const Slots* slots : {&i.Abilities, &i.AbilityValues, &i.ClassOnly, &i.Negates})
            for (const int32_t v : *slots) out.append(" ").append(std::to_string(v));
        out += "\n";
    }
    return out;
}

TEST(LoadRecords, TwoThreadsLoadExactlyWhatOneLoads)
{
    // Generated data of several pieces, spells that quote each other round in a circle and items
    // that cast them, a bad line late in the item file, a bad spell line.
    const std::string cycle = SpellLine(90001, "Ring One", {{26, "151"}, {16, "90002"}}) + "\n" +
                              SpellLine(90002, "Ring Two", {{26, "151"}, {16, "90001"}, {27, "151"}, {17, "90001"}}) +
                              "\n";
    const std::string casters =
        ItemLine("Cycle Wand", Ability(1, 114, 30) + Ability(2, 43, 90002) + Fields{{42, "90001"}}) + "\n" +
        ItemLine("Dud Wand", Ability(1, 43, 777777)) + "\n";
    const struct {
        const char* name;
        int badItemLine;  // 0: none
        bool badSpell;
    } cases[] = {{"good", 0, false}, {"bad item line", 2500, false}, {"bad spell line", 0, true}};
    for (const auto& c : cases) {
        TempDir dir;
        vantorgen::SampleSizes sizes;
        sizes.Items = 3000;
        sizes.Spells = 1500;
        ASSERT_TRUE(vantorgen::WriteSampleData(dir.Path(), sizes, 7));
        const auto read = [&](const char* name) {
            std::ifstream in(dir.Path() + "/" + name, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), {});
        };
        std::string itemFile = casters + read("Items.txt");
        if (c.badItemLine) {
            size_t at = 0;
            for (int line = 1; line < c.badItemLine; ++line) at = itemFile.find('\n', at) + 1;
            itemFile.insert(at, "1,Bad,x\n");
        }
        dir.Write("Items.txt", itemFile);
        dir.Write("spells.txt", read("spells.txt") + cycle + (c.badSpell ? "2,Bad,x\n" : ""));
        ASSERT_GT(itemFile.size(), 3 * kPieceBytes);        // several pieces
        ASSERT_GT(read("spells.txt").size(), kPieceBytes);  // the bad spell line in a later piece

        std::string loaded[2], errors[2];
        for (const int threads : {1, 2}) {
            SpellList spells;
            ItemList items;
            const auto error =
                testfiles::ConversionError([&] { LoadRecords(dir.Path(), spells, items, nullptr, threads); });
            if (error)
                errors[threads - 1] =
                    std::string(error->what()) + " " + error->File + ":" + std::to_string(error->Line);
            loaded[threads - 1] = LoadedText(spells, items);
        }
        EXPECT_EQ(errors[0], errors[1]) << c.name;
        EXPECT_EQ(loaded[0].size(), loaded[1].size()) << c.name;
        EXPECT_TRUE(loaded[0] == loaded[1]) << c.name;  // the texts are too long to print
        if (c.badItemLine) {
            EXPECT_EQ(errors[1], "'x' is not a valid integer value Items.txt:2500");
        } else if (c.badSpell) {
            EXPECT_EQ(errors[1], "'x' is not a valid integer value spells.txt:" + std::to_string(sizes.Spells + 3));
            EXPECT_EQ(loaded[1].find("Casts Spell"), std::string::npos);  // no item is kept
        } else {
            EXPECT_EQ(errors[1], "");
            EXPECT_NE(loaded[1].find("Casts Spell (Ring Two"), std::string::npos);
        }
    }
}
