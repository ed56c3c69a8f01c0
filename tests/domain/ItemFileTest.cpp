#include "SampleData.h"
#include "TestFiles.h"
#include "data/Errors.h"
#include "data/ItemFile.h"
#include "data/SpellFile.h"
#include "lists/ItemDump.h"
#include "lists/ItemText.h"
#include "lists/LoadRecords.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

using namespace vantor;
using testfiles::Ability;
using testfiles::Fields;
using testfiles::ItemLine;
using testfiles::SpellLine;
using testfiles::TempDir;
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

std::string ConversionMessage(const std::string& line)
{
    const auto error = testfiles::ConversionError([&] { ParseItemLine(line); });
    return error ? error->what() : "accepted";
}

}  // namespace

TEST(ItemRecord, FieldsLandInTheirPlaces)
{
    const TItem it = ParseItemLine(ItemLine(
        " \" Long Sword \" ", {{1, "77"},  {3, "4"},   {4, "120"}, {5, "1"},   {16, "-16"}, {17, "17"}, {18, "8"},
                               {27, "12"}, {28, "3"},  {29, "12"}, {30, "25"}, {31, "44"},  {41, "2"},  {42, "9"},
                               {43, "11"}, {44, "-3"}, {45, "10"}, {46, "40"}, {47, "100"}, {58, "58"}, {59, "-59"}}));
    EXPECT_EQ(it.Number, 77);
    EXPECT_EQ(it.Name, "Long Sword");
    EXPECT_EQ(it.Limit, 4);
    EXPECT_EQ(it.Weight, 120);
    EXPECT_EQ(it.ItemType, 1);
    EXPECT_EQ(it.Spare16, -16);
    EXPECT_EQ(it.Spare17, 17);
    EXPECT_EQ(it.ClassOnly[0], 8);
    EXPECT_EQ(it.ClassOnly[9], 12);
    EXPECT_EQ(it.MinDamage, 3);
    EXPECT_EQ(it.MaxDamage, 12);
    EXPECT_DOUBLE_EQ(it.ArmourClass, 2.5);
    EXPECT_EQ(it.Negates[0], 44);
    EXPECT_EQ(it.WeaponType, 2);
    EXPECT_EQ(it.ArmourType, 9);
    EXPECT_EQ(it.WornSlot, 11);
    EXPECT_EQ(it.Accuracy, -3);
    EXPECT_DOUBLE_EQ(it.DamageResist, 1.0);
    EXPECT_EQ(it.StrengthReq, 40);
    EXPECT_EQ(it.Speed, 100);
    EXPECT_EQ(it.Spare58, 58);
    EXPECT_EQ(it.Spare59, -59);
}

TEST(ItemRecord, SlotsKeepEveryThirtyTwoBitValue)
{
    // Values either side of the 16-bit edges, read from a line into every slot array and then
    // copied, moved, overwritten and filled.
    for (const int32_t v : {0, 1, -1, 32767, -32767, -32768, 32768, INT32_MAX, INT32_MIN}) {
        const std::string text = std::to_string(v);
        TItem it = ParseItemLine(ItemLine(
            "x", {{6, text}, {15, text}, {18, text}, {27, text}, {31, "7"}, {40, text}, {48, "3"}, {57, text}}));
        for (const Slots* s : {&it.Abilities, &it.ClassOnly, &it.Negates, &it.AbilityValues}) {
            EXPECT_EQ((*s)[9], v) << v;
            EXPECT_EQ((*s)[4], 0) << v;
        }
        EXPECT_EQ(it.Negates[0], 7);
        EXPECT_EQ(it.AbilityValues[0], 3);
        const TItem copy = it;
        TItem moved = std::move(it);
        it.Negates = copy.Negates;  // into a moved-from record
        EXPECT_TRUE(moved.Negates == copy.Negates && it.Negates == copy.Negates) << v;
        moved.Negates[4] = 5;
        moved.Negates[9] = -2;
        EXPECT_EQ(moved.Negates.All(), (Slots::Values{7, 0, 0, 0, 5, 0, 0, 0, 0, -2})) << v;
        EXPECT_EQ(copy.Negates[9], v);
        moved.ClassOnly.fill(v);
        moved.ClassOnly = {v, 2};
        EXPECT_EQ(moved.ClassOnly.All(), (Slots::Values{v, 2})) << v;
    }
}

TEST(ItemRecord, PackedTextKeepsEveryByte)
{
    using namespace std::string_literals;
    for (const std::string& text : {""s, "None"s, "1234567"s, "12345678"s, "a\0b\0c\0d\0e"s, std::string(5000, 'x')}) {
        PackedText t = text;
        PackedText copy = t;
        PackedText moved = std::move(t);
        t = copy;  // into a moved-from text
        const size_t from = text.empty() ? 0 : 1;
        copy = copy.view().substr(from);  // from its own bytes
        EXPECT_TRUE(t == text && moved == text) << text.size();
        EXPECT_EQ(copy.view(), std::string_view(text).substr(from)) << text.size();
        moved = "short";
        EXPECT_EQ(moved.view(), "short");
    }
}

TEST(ItemRecord, AbilitiesSetRecordFields)
{
    const TItem it =
        ParseItemLine(ItemLine("x", Ability(1, 96, 5) + Ability(2, 58, 6) + Ability(3, 36, 7) + Ability(4, 27, 8) +
                                        Ability(5, 34, 9) + Ability(6, 4, 10) + Ability(7, 59, 11) +
                                        Ability(8, 135, 12) + Ability(9, 116, 13) + Ability(10, 142, 14)));
    EXPECT_EQ(it.EncumbranceBonus, 5);
    EXPECT_EQ(it.Crits, 6);
    EXPECT_EQ(it.MagicRes, 7);
    EXPECT_EQ(it.Stealth, 8);
    EXPECT_EQ(it.Dodge, 9);
    EXPECT_EQ(it.MaxDamageBonus, 10);
    EXPECT_EQ(it.ClassOk()[6], 11);
    EXPECT_EQ(it.ClassOk()[0], 0);
    EXPECT_EQ(it.MinLevel, 12);
    EXPECT_EQ(it.BSAccuracy, 13);
    EXPECT_EQ(it.HitMagic, 14);
    const TItem magical = ParseItemLine(ItemLine("x", Ability(1, 28, 3) + Ability(2, 28, 5)));
    EXPECT_EQ(magical.Magical, 5);  // the later slot wins
}

TEST(ItemRecord, DamageResistanceAddsUpExactly)
{
    EXPECT_DOUBLE_EQ(ParseItemLine(ItemLine("x", Fields{{45, "10"}} + Ability(1, 7, 5))).DamageResist, 1.5);
    // 1 + 2 - 3 tenths is exactly nothing.
    EXPECT_EQ(ParseItemLine(ItemLine("x", Fields{{45, "1"}} + Ability(1, 7, 2) + Ability(2, 7, -3))).DamageResist, 0.0);
    // Extreme values neither overflow nor lose the sum.
    EXPECT_DOUBLE_EQ(
        ParseItemLine(ItemLine("x", Fields{{45, "2147483647"}} + Ability(1, 7, 2147483647) + Ability(2, 7, 2147483647)))
            .DamageResist,
        3.0 * 2147483647 / 10.0);
}

TEST(ItemRecord, WornSlotThirteenIsFingers)
{
    EXPECT_EQ(ParseItemLine(ItemLine("x", {{43, "13"}})).WornSlot, 4);
    EXPECT_EQ(ParseItemLine(ItemLine("x", {{43, "12"}})).WornSlot, 12);
}

TEST(ItemRecord, BadLinesRaiseTheConversionError)
{
    const std::string good = ItemLine("x");
    EXPECT_EQ(ConversionMessage(""), "'' is not a valid integer value");
    EXPECT_EQ(ConversionMessage(good.substr(0, good.rfind(','))), "'' is not a valid integer value");  // 58 fields
    EXPECT_NO_THROW(ParseItemLine(good + ",junk,more"));                                               // 60+ fields
    EXPECT_EQ(ConversionMessage(ItemLine("x", {{4, "\"5\""}})), "'\"5\"' is not a valid integer value");
    EXPECT_EQ(ConversionMessage(ItemLine("x", {{30, "2147483648"}})), "'2147483648' is not a valid integer value");
    EXPECT_EQ(ConversionMessage(ItemLine("x", {{30, "-2147483649"}})), "'-2147483649' is not a valid integer value");
    EXPECT_EQ(ConversionMessage(ItemLine("Sword, Long")), "'Long' is not a valid integer value");
    EXPECT_EQ(ConversionMessage(ItemLine("x", {{12, "1.5"}})), "'1.5' is not a valid integer value");
}

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

TEST(ItemFile, ReadsItemsOrItemsnew)
{
    const std::string a = ItemLine("Alpha") + "\n", b = ItemLine("Beta") + "\n";
    {
        TempDir dir;
        dir.Write("Itemsnew.txt", b);
        ItemList items;
        ReadItemData(dir.Path(), items, nullptr, nullptr);
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items[0].Name, "Beta");
        dir.Write("Items.txt", a);
        items.clear();
        ReadItemData(dir.Path(), items, nullptr, nullptr);
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items[0].Name, "Alpha");
    }
    {
        TempDir dir;  // another letter case is found too
        dir.Write("ITEMS.TXT", a);
        ItemList items;
        ReadItemData(dir.Path(), items, nullptr, nullptr);
        EXPECT_EQ(items.size(), 1u);
    }
    {
        TempDir dir;  // nothing there: nothing read, no error
        ItemList items;
        EXPECT_NO_THROW(ReadItemData(dir.Path(), items, nullptr, nullptr));
        EXPECT_TRUE(items.empty());
    }
}

TEST(ItemFile, LineEndsAndDroppedNames)
{
    TempDir dir;
    dir.Write("Items.txt", ItemLine("One") + "\r\n" + ItemLine("Testsdf") + "\n" + ItemLine("SDF Stone") + "\r\n" +
                               ItemLine("Last"));
    ItemList items;
    int pumped = 0;
    ReadItemData(dir.Path(), items, nullptr, [&] { ++pumped; });
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].Name, "One");
    EXPECT_EQ(items[1].Name, "SDF Stone");
    EXPECT_EQ(items[2].Name, "Last");
    EXPECT_EQ(pumped, 4);
}

TEST(ItemFile, BadLineStopsWithFileAndLineAndKeepsEarlierItems)
{
    const struct {
        std::string content;
        long long line;
        const char* message;
    } cases[] = {
        {ItemLine("A") + "\n\n" + ItemLine("B") + "\n", 2, "'' is not a valid integer value"},
        {ItemLine("A") + "\r\n" + ItemLine("B", {{5, "x"}}) + "\r\n", 2, "'x' is not a valid integer value"},
        {ItemLine("A") + "\n" + ItemLine("B") + "\n" + ItemLine("C", {{59, ""}}), 3, "'' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.Write("Items.txt", c.content);
        ItemList items;
        const auto error = testfiles::ConversionError([&] { ReadItemData(dir.Path(), items, nullptr, nullptr); });
        ASSERT_TRUE(error);
        EXPECT_STREQ(error->what(), c.message);
        EXPECT_EQ(error->File, "Items.txt");
        EXPECT_EQ(error->Line, c.line);
        EXPECT_EQ(items.size(), static_cast<size_t>(c.line - 1));
    }
}

TEST(ItemFile, UnreadableFileIsAnInputOutputError)
{
    TempDir dir;
    dir.Write("Items.txt", "");
    std::filesystem::remove(dir.Path() + "/Items.txt");
    std::filesystem::create_directory(dir.Path() + "/Items.txt");  // exists, but is no file
    ItemList items;
    EXPECT_NO_THROW(ReadItemData(dir.Path(), items, nullptr, nullptr));  // a folder is not a data file
    if (geteuid() != 0) {
        TempDir locked;
        locked.Write("Items.txt", ItemLine("A"));
        std::filesystem::permissions(locked.Path() + "/Items.txt", std::filesystem::perms::none);
        EXPECT_THROW(ReadItemData(locked.Path(), items, nullptr, nullptr), EInOutError);
    }
}

TEST(DataFile, ProgramFolderFirstThenThePlayers)
{
    TempDir program, player;
    const auto chosen = [&] { return ChooseDataDir(program.Path(), player.Path()); };
    EXPECT_EQ(chosen(), player.Path());  // nothing anywhere: the player's folder, to put files in
    player.Write("spells.txt", "");
    EXPECT_EQ(chosen(), player.Path());
    program.Write("SPELLSVTAB0.TXT", "");  // any data file, in any letter case
    EXPECT_EQ(chosen(), program.Path());
    EXPECT_FALSE(HoldsDataFiles(program.Path() + "/none"));
}

TEST(DataFile, ReadsAFileLargerThanItSaysItIs)
{
    // A /proc file reports a size of 0: the reader grows its room and still reads every line.
    std::vector<std::string> lines;
    ReadLines("/proc/self/status", nullptr, [&](std::string_view line) { lines.emplace_back(line); });
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(lines.front().substr(0, 5), "Name:");
}

TEST(DataFile, PiecesHoldEveryLineOnce)
{
    // Whatever the piece size, the pieces put together are the file, each piece whole lines.
    const std::string contents[] = {"",
                                    "\n",
                                    "a",
                                    "a\nb",
                                    "a\nb\n",
                                    "a\r\nb\r\n\r\n",
                                    "\n\n\nx\n\n",
                                    std::string(1000, 'x') + "\n" + std::string(10, 'y') + "\nlast",
                                    std::string(70000, 'z') + "\r\nshort\r\n" + std::string(1000, 'w')};
    for (const std::string& content : contents) {
        TempDir dir;
        dir.Write("f.txt", content);
        for (const size_t pieceBytes : {1, 2, 3, 7, 64, 65536, 1 << 20}) {
            const LinePieces pieces(dir.Path() + "/f.txt", pieceBytes);
            std::string whole, buffer;
            for (size_t k = 0; k < pieces.Count(); ++k) {
                const std::string_view piece = pieces.Read(k, buffer);
                EXPECT_TRUE(piece.empty() || whole.empty() || whole.back() == '\n') << pieceBytes;  // at a line start
                whole += piece;
            }
            EXPECT_TRUE(whole == content) << content.size() << " bytes in pieces of " << pieceBytes;
        }
    }
    EXPECT_THROW(LinePieces("/nonexistent/f.txt", 10), EInOutError);
}

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
