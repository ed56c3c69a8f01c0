// The item file: each line's fields in the record, and the file read whole.
#include "TestFiles.h"
#include "data/Errors.h"
#include "data/ItemFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace vantor;
using testfiles::Ability;
using testfiles::Fields;
using testfiles::ItemLine;
using testfiles::TempDir;
using testfiles::operator+;

namespace {

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
