#include "equipment/SlotLists.h"
#include "filters/Sorting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace vantor;

namespace {

ListRow Row(std::vector<std::string> cells) { return ListRow(std::move(cells)); }

// Texts with ties, empty ones, mixed case, texts agreeing in their first eight and sixteen bytes,
// and NUL bytes.
std::vector<std::string> TrickyTexts()
{
    using namespace std::string_literals;
    return {"",
            "3",
            "-2",
            "10",
            "3",
            "b",
            "B",
            "a1",
            " 7.5",
            "0,25",
            "Frosted Glaive",
            "FROSTED GLAIVE",
            "Frosted Glaive of Ice",
            "Frosted Glaive of Ic",
            "ab\0"s,
            "ab\0\0\0\0\0\0\0x"s,
            "abcdefgh",
            "abcdefghi",
            "ab"};
}

// The captions of rows in the order SortOrder gives.
std::vector<std::string> Sorted(const std::vector<ListRow>& rows, ListKind kind, int32_t column, bool descending)
{
    std::vector<std::string> out;
    for (size_t i : SortOrder(rows, Columns(kind), SortState{column, descending}, false))
        out.push_back(rows[i].Texts()->at(0));
    return out;
}

// An armour row with the given caption and one other cell set.
ListRow ArmourRow(const std::string& name, size_t column, const std::string& cell)
{
    std::vector<std::string> cells(11);
    cells[0] = name;
    cells[column] = cell;
    return Row(cells);
}

}  // namespace

TEST(CompareText, AsciiFoldedBytes)
{
    EXPECT_EQ(CompareText("abc", "ABC"), 0);
    EXPECT_LT(CompareText("abc", "abd"), 0);
    EXPECT_EQ(CompareText("a", "c"), 'A' - 'C');
    EXPECT_LT(CompareText("ab", "abc"), 0);
    EXPECT_GT(CompareText("abc", "ab"), 0);
    EXPECT_GT(CompareText("\xe9", "\xc9"), 0);  // not folded: compared as bytes
    EXPECT_GT(CompareText("\xe9", "z"), 0);     // bytes above 127 are not negative
    EXPECT_GT(CompareText("_", "a"), 0);        // '_' (95) sorts after the folded 'A' (65)
}

TEST(HeaderClick, SameColumnReversesOtherColumnAscends)
{
    int32_t column = 0;
    bool descending = false;
    HeaderClick(column, descending, 0);
    EXPECT_TRUE(descending);
    HeaderClick(column, descending, 0);
    EXPECT_FALSE(descending);
    HeaderClick(column, descending, 0);
    HeaderClick(column, descending, 3);
    EXPECT_EQ(column, 3);
    EXPECT_FALSE(descending);
}

TEST(Sorting, CaptionAndTextWithTieBreakReversedTogether)
{
    const std::vector<ListRow> rows = {ArmourRow("Bravo", 1, "Leather"), ArmourRow("alpha", 1, "Plate"),
                                       ArmourRow("Charlie", 1, "leather"), ArmourRow("Delta", 1, "")};
    EXPECT_EQ(Sorted(rows, ListKind::Armor, 0, false),
              (std::vector<std::string>{"alpha", "Bravo", "Charlie", "Delta"}));
    EXPECT_EQ(Sorted(rows, ListKind::Armor, 0, true), (std::vector<std::string>{"Delta", "Charlie", "Bravo", "alpha"}));
    EXPECT_EQ(Sorted(rows, ListKind::Armor, 1, false),
              (std::vector<std::string>{"Delta", "Bravo", "Charlie", "alpha"}));
    EXPECT_EQ(Sorted(rows, ListKind::Armor, 1, true), (std::vector<std::string>{"alpha", "Charlie", "Bravo", "Delta"}));
}

TEST(Sorting, WholeNumbersWithEmptyCellsAsZero)
{
    const std::vector<ListRow> rows = {ArmourRow("a", 5, "5"), ArmourRow("b", 5, ""), ArmourRow("c", 5, "-3"),
                                       ArmourRow("d", 5, "12"), ArmourRow("e", 5, "")};
    EXPECT_EQ(Sorted(rows, ListKind::Armor, 5, false), (std::vector<std::string>{"c", "b", "e", "a", "d"}));
    EXPECT_EQ(Sorted(rows, ListKind::Armor, 5, true), (std::vector<std::string>{"d", "a", "b", "e", "c"}));
}

TEST(Sorting, TextOrderedNumberColumns)
{
    const std::vector<ListRow> maxDmg = {ArmourRow("a", 9, "9"), ArmourRow("b", 9, "10"), ArmourRow("c", 9, "12")};
    EXPECT_EQ(Sorted(maxDmg, ListKind::Armor, 9, false), (std::vector<std::string>{"b", "c", "a"}));
    const std::vector<ListRow> ratio = {ArmourRow("a", 10, "     12.00"), ArmourRow("b", 10, "      0.50")};
    EXPECT_EQ(Sorted(ratio, ListKind::Armor, 10, false), (std::vector<std::string>{"b", "a"}));
}

TEST(Sorting, DecimalColumnsReadEitherSeparator)
{
    const std::vector<ListRow> rows = {ArmourRow("a", 2, "2,5"), ArmourRow("b", 2, "10"), ArmourRow("c", 2, "0.3"),
                                       ArmourRow("d", 2, "-1.5"), ArmourRow("e", 2, "")};
    EXPECT_EQ(Sorted(rows, ListKind::Armor, 2, false), (std::vector<std::string>{"d", "e", "c", "a", "b"}));
    EXPECT_DOUBLE_EQ(static_cast<double>(DecimalKey("214748364.7")), 214748364.7);
}

TEST(Sorting, MissingNumbersBelowEveryNumber)
{
    // The spell list's damage, damage per mana and rounds.
    for (const int32_t column : {10, 11, 12}) {
        std::vector<ListRow> rows;
        for (const auto& [name, cell] : std::vector<std::pair<std::string, std::string>>{
                 {"a", ""}, {"b", "1,5"}, {"c", "-3"}, {"d", " "}, {"e", "1.19949953227584e+22"}, {"f", "10"}}) {
            std::vector<std::string> cells(13);
            cells[0] = name;
            cells[static_cast<size_t>(column)] = cell;
            rows.push_back(Row(cells));
        }
        EXPECT_EQ(Sorted(rows, ListKind::Spells, column, false),
                  (std::vector<std::string>{"a", "d", "c", "b", "f", "e"}));
        EXPECT_EQ(Sorted(rows, ListKind::Spells, column, true),
                  (std::vector<std::string>{"e", "f", "b", "c", "a", "d"}));
        EXPECT_EQ(CompareRows(rows[0], rows[3], Columns(ListKind::Spells), SortState{column, false}, false), 0);
        EXPECT_LT(CompareRows(rows[0], rows[2], Columns(ListKind::Spells), SortState{column, false}, false), 0);
    }
    EXPECT_DOUBLE_EQ(static_cast<double>(DecimalKey("2.5e-3")), 0.0025);
}

TEST(Sorting, WeaponDamageByMinimum)
{
    std::vector<ListRow> rows;
    for (const auto& [name, damage] : std::vector<std::pair<std::string, std::string>>{
             {"a", "3-12"}, {"b", "10-14"}, {"c", "9-30"}, {"d", "-5-10"}, {"e", "3-20"}, {"f", ""}}) {
        std::vector<std::string> cells(12);
        cells[0] = name;
        cells[1] = damage;
        rows.push_back(Row(cells));
    }
    EXPECT_EQ(Sorted(rows, ListKind::Weapons, 1, false), (std::vector<std::string>{"d", "f", "a", "e", "c", "b"}));
    EXPECT_EQ(LeadingNumberKey("3-12"), 3);
    EXPECT_EQ(LeadingNumberKey("-5-10"), -5);
    EXPECT_EQ(LeadingNumberKey("-2147483648--1"), INT32_MIN);
    EXPECT_EQ(CompareRows(rows[0], rows[4], Columns(ListKind::Weapons), SortState{1, false}, false), 0);
}

TEST(Sorting, LoadingOrUnknownColumnKeepsTheOrder)
{
    const std::vector<ListRow> rows = {ArmourRow("b", 1, ""), ArmourRow("a", 1, "")};
    const auto& cols = Columns(ListKind::Armor);
    EXPECT_EQ(SortOrder(rows, cols, SortState{0, false}, true), (std::vector<size_t>{0, 1}));
    EXPECT_EQ(SortOrder(rows, cols, SortState{999, false}, false), (std::vector<size_t>{0, 1}));
    EXPECT_EQ(CompareRows(rows[0], rows[1], cols, SortState{0, false}, true), 0);
    EXPECT_GT(CompareRows(rows[0], rows[1], cols, SortState{0, false}, false), 0);
    EXPECT_LT(CompareRows(rows[0], rows[1], cols, SortState{0, true}, false), 0);
}

TEST(Sorting, SortOrderIsTheStableOrderOfTheCompareOfEveryColumn)
{
    // Rows with ties, empty cells, mixed case, texts agreeing in their first eight and sixteen
    // bytes, and NUL bytes, in every column of each list.
    const std::vector<std::string> values = TrickyTexts();
    for (ListKind kind : {ListKind::Armor, ListKind::Weapons, ListKind::Other, ListKind::Spells}) {
        const auto& cols = Columns(kind);
        std::vector<ListRow> rows;
        for (size_t i = 0; i < 300; ++i) {  // enough for the sort of long runs
            std::vector<std::string> cells;
            for (size_t c = 0; c < cols.size(); ++c) cells.push_back(values[(i * (c + 3) + c * i / 7) % values.size()]);
            rows.push_back(Row(cells));
        }
        for (int32_t c = 0; c < static_cast<int32_t>(cols.size()); ++c) {
            for (bool desc : {false, true}) {
                const SortState state{c, desc};
                std::vector<size_t> expected(rows.size());
                for (size_t i = 0; i < expected.size(); ++i) expected[i] = i;
                std::stable_sort(expected.begin(), expected.end(), [&](size_t a, size_t b) {
                    return CompareRows(rows[a], rows[b], cols, state, false) < 0;
                });
                EXPECT_EQ(SortOrder(rows, cols, state, false), expected)
                    << static_cast<int>(kind) << " column " << c << " desc " << desc;
            }
        }
    }
}

TEST(ApplyOrder, PutsEveryRowWhereTheOrderSays)
{
    const std::vector<std::vector<size_t>> orders = {
        {}, {0}, {0, 1, 2, 3, 4, 5}, {5, 4, 3, 2, 1, 0}, {1, 2, 3, 4, 5, 0}, {2, 0, 1, 5, 3, 4}, {0, 2, 1, 3, 5, 4}};
    for (const auto& order : orders) {
        std::vector<ListRow> rows;
        for (size_t i = 0; i < order.size(); ++i) rows.push_back(Row({std::to_string(i)}));
        ApplyOrder(rows, order);
        ASSERT_EQ(rows.size(), order.size());
        for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(rows[i].Texts()->at(0), std::to_string(order[i]));
    }
}

TEST(Sorting, LongListsSharingMostBytes)
{
    // Names alike but for their digits and the case of their first letter, listed backwards, some
    // twice in either case: in either direction, the stable order of the compare. Thousands of
    // names, most with the same first letter, are first sorted in parts.
    const auto& cols = Columns(ListKind::Other);
    for (const int count : {300, 9000}) {
        std::vector<ListRow> rows;
        for (int i = count - 1; i >= 0; --i) {
            const std::string digits = std::to_string(10000 + i).substr(1);
            const std::string name = std::string(1, "AbAa"[i % 4]) + "xe of the long road " + digits;
            rows.push_back(Row({name}));
            if (i % 7 == 0) rows.push_back(Row({i % 2 ? name : "AXE OF THE LONG ROAD " + digits}));
        }
        for (const bool desc : {false, true}) {
            const SortState state{0, desc};
            std::vector<size_t> expected(rows.size());
            std::iota(expected.begin(), expected.end(), size_t{0});
            std::stable_sort(expected.begin(), expected.end(),
                             [&](size_t a, size_t b) { return CompareRows(rows[a], rows[b], cols, state, false) < 0; });
            EXPECT_EQ(SortOrder(rows, cols, state, false), expected) << count << " desc " << desc;
        }
    }
}

TEST(Sorting, TheItemsOrderByNameIsTheOrderOfTheNameColumn)
{
    std::vector<std::string> names = TrickyTexts();
    for (const char* more : {"\xe9p\xe9"
                             "e",
                             "Zed", "[a]", "_a", "`a"})
        names.emplace_back(more);
    ItemList items;
    for (size_t i = 0; i < 120; ++i) {
        TItem item;
        item.Name = names[(i * 7 + i / 5) % names.size()];
        item.ItemType = static_cast<int32_t>(i % 3);  // armour, weapons, other
        items.push_back(std::move(item));
    }
    const std::vector<uint32_t> byName =
        ItemsByName(items, [](const TItem& item) { return item.ItemType == 0 || item.ItemType == 1; });
    for (const ListKind kind : {ListKind::Armor, ListKind::Weapons}) {
        const std::vector<ListRow> rows = AllRows(kind, items, SpellList(), '.', nullptr, nullptr);
        EXPECT_EQ(OrderByName(rows, items, byName), SortOrder(rows, Columns(kind), SortState{0, false}, false))
            << static_cast<int>(kind);
    }
    // Rows of items the order does not hold (the other items) have no order by it.
    EXPECT_FALSE(OrderByName(AllRows(ListKind::Other, items, SpellList(), '.', nullptr, nullptr), items, byName));
}
