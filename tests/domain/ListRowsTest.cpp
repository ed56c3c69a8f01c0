#include "data/ItemFile.h"
#include "filters/Find.h"
#include "lists/ItemDump.h"
#include "lists/ListRows.h"

#include <gtest/gtest.h>

#include <deque>

using namespace vantor;

namespace {

TItem Armour()
{
    TItem it;
    it.Name = "Cobalt Helm";
    it.ItemType = 0;
    it.ArmourType = 7;
    it.WornSlot = 2;
    it.ArmourClass = 2.5;
    it.DamageResist = 0.3;
    it.Weight = 10;
    return it;
}

TItem Weapon(int32_t minDamage, int32_t maxDamage, int32_t speed, int32_t crits)
{
    TItem it;
    it.Name = "Keen Blade";
    it.ItemType = 1;
    it.MinDamage = minDamage;
    it.MaxDamage = maxDamage;
    it.Speed = speed;
    it.Crits = crits;
    it.WeaponType = 3;
    it.ArmourClass = 1.5;
    it.DamageResist = 0.3;
    return it;
}

std::vector<std::string> Cells(const std::string& kind, const TItem& item, char sep = '.')
{
    ListRow row;
    EXPECT_TRUE(MakeItemRow(kind, item, sep, row));
    EXPECT_EQ(row.Item(), &item);
    return CellTexts(row);
}

}  // namespace

TEST(ItemRows, ArmourRow)
{
    const TItem it = Armour();
    EXPECT_EQ(Cells("A", it), (std::vector<std::string>{"Cobalt Helm", "Chainmail", "2.5", "0.3", "10", "", "", "",
                                                        "Head", "0", "      4.00"}));
    TItem full = it;
    full.Accuracy = -2;
    full.MinLevel = 30;
    full.Limit = 3;
    full.MaxDamageBonus = 12;
    full.ArmourClass = 0;
    EXPECT_EQ(Cells("A", full, ','), (std::vector<std::string>{"Cobalt Helm", "Chainmail", "0", "0,3", "10", "-2", "30",
                                                               "3", "Head", "12", "   9999,00"}));
    TItem unworn = it;
    unworn.WornSlot = 0;
    ListRow row;
    EXPECT_FALSE(MakeItemRow("A", unworn, '.', row));
    EXPECT_FALSE(MakeItemRow("X", it, '.', row));
}

TEST(ItemRows, WeaponRowAndRatio)
{
    EXPECT_EQ(Cells("W", Weapon(3, 12, 100, 0)),
              (std::vector<std::string>{"Keen Blade", "3-12", "100", "0", "1.5/0.3", "", "", "0", "", "", "     13.33",
                                        "Two-handed Edged "}));
    const struct {
        int32_t minD, maxD, speed, crits;
        const char* ratio;
    } ratios[] = {{0, 0, 100, 0, "   9999.00"},
                  {10, 30, 100, 10, "     -5.00"},
                  {2, 3, 100, 0, "     40.00"},
                  {-5, 5, 100, 0, "   9999.00"},
                  {-5, 6, 100, 0, "    200.00"},
                  {INT32_MAX, INT32_MAX, 100, 0, "      0.00"},
                  {INT32_MIN, INT32_MIN, 100, 0, "   9999.00"}};
    for (const auto& r : ratios) EXPECT_EQ(Cells("W", Weapon(r.minD, r.maxD, r.speed, r.crits))[10], r.ratio);
}

TEST(ItemRows, OtherRowAndListMembership)
{
    TItem it;
    it.Name = "Heavy Barrel";
    it.ItemType = 5;
    it.Weight = 9799;
    it.Special = "None";
    EXPECT_EQ(Cells("O", it), (std::vector<std::string>{"Heavy Barrel", "Drink", "9799", "0", "None"}));
    EXPECT_TRUE(IsOtherItem(it));
    it.Weight = 9800;
    EXPECT_FALSE(IsOtherItem(it));
    it.ItemType = 1;
    EXPECT_TRUE(IsWeapon(it));
    EXPECT_FALSE(IsOtherItem(it));
    it.ItemType = 0;
    EXPECT_TRUE(IsArmour(it));
}

TEST(SpellRows, SpellRow)
{
    TSpell s;
    s.Name = "Fire Bolt";
    s.Code = "fbol";
    s.CasterType = 1;
    s.MagicLevel = 2;
    s.Level = 5;
    s.Difficulty = 0;
    s.Mana = 12;
    s.SpellType = 3;
    s.Element = 4;
    s.Targets = 4;
    s.Number = 12;
    ListRow row;
    ASSERT_TRUE(MakeSpellRow("S", s, '.', row));
    EXPECT_EQ(row.Spell(), &s);
    EXPECT_EQ(CellTexts(row), (std::vector<std::string>{"Fire Bolt", "fbol", "Mage 2", "5", "0", "12", "Between Rounds",
                                                        "", "Monster", "12", "", "", ""}));
    s.CasterType = 0;
    ASSERT_TRUE(MakeSpellRow("S", s, '.', row));
    EXPECT_EQ(CellTexts(row)[2], "None");
    EXPECT_FALSE(MakeSpellRow("A", s, '.', row));
}

TEST(SpellRows, NoteLines)
{
    const struct {
        const char* notes;
        std::vector<std::string> lines;
    } cases[] = {
        {"Damage (No AC) , Min: 10 + level/5, (Total:20 at level 50), Max: 20 + level, (Total:70 at level 50), "
         "Energy = 200",
         {"Damage (No AC)", "Min: 10 + level/5", "(Total:20 at level 50)", "Max: 20 + level", "(Total:70 at level 50)",
          "Energy = 200"}},
        {"", {}},
        {"End Cast of , Fire Bolt (12)", {"End Cast of", "Fire Bolt (12)"}},
        {"a,  ,b", {"a", "", "b"}},
        {"a, b,", {"a", "b"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SpellNoteLines(c.notes), c.lines) << c.notes;
}

TEST(ItemDump, OneLinePerItem)
{
    TItem it = Armour();
    it.Special = "None";
    EXPECT_EQ(ItemDumpLine(it, '.'), "Cobalt Helm, 0-0, 0, 0, 2.5/0.3, 0, 0, 10, 0, 0, None, , Armor, Head");
    TItem w = Weapon(3, 12, 100, 0);
    w.Special = "None";
    EXPECT_EQ(ItemDumpLine(w, '.'),
              "Keen Blade, 3-12, 100, 0, 1.5/0.3, 0, 0, 0, 0, 0, None, , Weapon, Two-handed Edged ");
}

TEST(Find, CaptionSubstringWithAsciiFolding)
{
    std::vector<ListRow> rows(5);
    const char* names[] = {"Brass Ring", "Bowstring", "Helm",
                           "\xc9p\xe9"
                           "e RING",
                           "\xe9p\xe9"
                           "e"};
    for (size_t i = 0; i < 5; ++i) rows[i] = ListRow(std::vector<std::string>{names[i]});
    EXPECT_EQ(FindRow(rows, "ring", 0), 0);
    EXPECT_EQ(FindRow(rows, "ring", 1), 1);  // inside a longer word
    EXPECT_EQ(FindRow(rows, "ring", 2), 3);
    EXPECT_EQ(FindRow(rows, "ring", 4), -1);
    EXPECT_EQ(FindRow(rows, "", 0), -1);
    EXPECT_EQ(FindRow(rows, "\xe9p", 0), 4);  // letters outside ASCII are not folded
    EXPECT_EQ(FindRow({}, "a", 0), -1);
    EXPECT_EQ(FindRow(rows, "helm", 7), -1);
}

TEST(ListRow, ARowOfTextsOwnsACopyOfThem)
{
    TItem item;
    ListRow texts(std::vector<std::string>{"Helm", "x"});
    ListRow copy = texts;
    ListRow assigned(item, ListKind::Weapons, ',');
    assigned = texts;
    texts = ListRow(item, ListKind::Armor, '.');  // the texts of the first go, the copies stay
    for (const ListRow* row : {&copy, &assigned}) {
        ASSERT_TRUE(row->Texts());
        EXPECT_EQ(*row->Texts(), (std::vector<std::string>{"Helm", "x"}));
        EXPECT_EQ(row->Item(), nullptr);
    }
    EXPECT_EQ(texts.Item(), &item);
    EXPECT_EQ(texts.Texts(), nullptr);
    ListRow moved = std::move(copy);
    EXPECT_EQ(copy.Texts(), nullptr);
    EXPECT_EQ(CellCount(moved), 2u);
}

TEST(ListRow, CellWidthsAreTheWidthsOfTheCellsWritten)
{
    // Edge values of every figure a width is worked out from without writing the cell.
    std::deque<TItem> items;
    std::deque<TSpell> spells;
    const double reals[] = {0, 2.5, -0.5, -12.3, 0.1 + 0.2, 1e20, 99.9};
    const int32_t wholes[] = {0, 7, -3, 10, 99, -100, INT32_MAX, INT32_MIN};
    for (const double ac : reals)
        for (const int32_t v : wholes) {
            TItem& i = items.emplace_back();
            i.Name = "N\xe9" + std::to_string(v);
            i.ArmourClass = ac;
            i.DamageResist = -ac / 3;
            i.Weight = i.Accuracy = i.MinLevel = i.Limit = i.MaxDamageBonus = i.Speed = i.StrengthReq = v;
            i.MinDamage = v / 2;
            i.MaxDamage = 9 - v / 3;
            i.Crits = v / 7;
            i.ArmourType = i.WornSlot = i.WeaponType = i.ItemType = v % 300;
            TSpell& p = spells.emplace_back();
            p.Name = p.Code = i.Name;
            p.CasterType = p.SpellType = p.Element = p.Targets = v % 20;
            p.MagicLevel = p.Level = p.Difficulty = p.Mana = p.Number = v;
            p.Duration = p.DurationIncrement = p.MinValue = v;  // rounds and damage
            p.Abilities[0] = v % 2 == 0 ? 1 : 0;
        }
    // Ratios at and near half hundredths, very large and negative.
    for (const double ratio : {9.995, 0.005, 0.015, -0.001, -0.0, 12345678.9, 1e14, 1e16, 2.675})
        for (int32_t crits : {0, 1}) {
            TItem& i = items.emplace_back();
            i.Speed = 1;
            i.MinDamage = i.MaxDamage = 1;
            i.Crits = crits;
            i.Weight = 1;
            i.ArmourClass = 1 / ratio;
        }
    ByteAdvances advances;
    for (size_t b = 0; b < advances.size(); ++b) advances[b] = static_cast<int>(3 + b * 7 % 11);
    for (const char sep : {'.', ','}) {
        std::vector<ListRow> rows;
        for (const TItem& i : items)
            for (const ListKind k : {ListKind::Armor, ListKind::Weapons, ListKind::Other}) rows.emplace_back(i, k, sep);
        for (const TSpell& p : spells) rows.emplace_back(p, sep);
        for (const ListRow& row : rows)
            for (size_t c = 0; c < CellCount(row); ++c) {
                std::string scratch;
                int64_t written = 0;
                for (const char b : CellText(row, c, scratch)) written += advances[static_cast<unsigned char>(b)];
                ASSERT_EQ(CellWidth(row, c, advances), written) << CellText(row, c, scratch) << " column " << c;
            }
        // The widest cells of each column come first.
        const std::vector<std::vector<size_t>> widest = WidestCells(rows, 12, advances, 3);
        for (size_t c = 0; c < 12; ++c) {
            int64_t most = 0;
            for (const ListRow& row : rows) most = std::max(most, CellWidth(row, c, advances));
            ASSERT_FALSE(widest[c].empty());
            EXPECT_EQ(CellWidth(rows[widest[c][0]], c, advances), most) << c;
        }
    }
}

TEST(ListRow, WidestCellsMadeOfParts)
{
    // Cells measured part by part: a spell's caster and magic level, a weapon's armour class and
    // damage resistance. Three wide cells raise the floor first; a narrow cell whose parts come
    // after must not be taken for a wide one.
    std::deque<TSpell> spells;
    for (const int32_t caster : {20, 21, 22, 1, 1}) {
        TSpell& p = spells.emplace_back();
        p.CasterType = caster;
        p.MagicLevel = 5;
    }
    std::deque<TItem> items;
    for (const double ac : {1234.5, 2345.5, 3456.5, 0.5, 0.5}) {
        TItem& i = items.emplace_back();
        i.ArmourClass = ac;
        i.DamageResist = ac < 1 ? 0.1 + 0.2 : 1;  // written in full, not in tenths
    }
    ByteAdvances advances;
    advances.fill(6);
    const auto check = [&](const std::vector<ListRow>& rows, size_t column) {
        const std::vector<std::vector<size_t>> widest = WidestCells(rows, column + 1, advances, 3);
        int64_t most = 0;
        for (const ListRow& row : rows) most = std::max(most, CellWidth(row, column, advances));
        ASSERT_FALSE(widest[column].empty());
        EXPECT_EQ(CellWidth(rows[widest[column][0]], column, advances), most) << column;
    };
    std::vector<ListRow> spellRows, weaponRows;
    for (const TSpell& p : spells) spellRows.emplace_back(p, '.');
    for (const TItem& i : items) weaponRows.emplace_back(i, ListKind::Weapons, '.');
    check(spellRows, 2);
    check(weaponRows, 4);
}
