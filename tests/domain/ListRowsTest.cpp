#include "data/ItemFile.h"
#include "filters/Find.h"
#include "lists/ItemDump.h"
#include "lists/ListRows.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(Cells("A", full, ','), (std::vector<std::string>{"Cobalt Helm", "Chainmail", "0", "0,3", "10", "-2",
                                                               "30", "3", "Head", "12", "   9999,00"}));
    TItem unworn = it;
    unworn.WornSlot = 0;
    ListRow row;
    EXPECT_FALSE(MakeItemRow("A", unworn, '.', row));
    EXPECT_FALSE(MakeItemRow("X", it, '.', row));
}

TEST(ItemRows, WeaponRowAndRatio)
{
    EXPECT_EQ(Cells("W", Weapon(3, 12, 100, 0)),
              (std::vector<std::string>{"Keen Blade", "3-12", "100", "0", "1.5/0.3", "", "", "0", "", "",
                                        "     13.33", "Two-handed Edged "}));
    const struct {
        int32_t minD, maxD, speed, crits;
        const char* ratio;
    } ratios[] = {{0, 0, 100, 0, "   9999.00"},  {10, 30, 100, 10, "     -5.00"}, {2, 3, 100, 0, "     40.00"},
                  {-5, 5, 100, 0, "   9999.00"}, {-5, 6, 100, 0, "    200.00"},
                  {INT32_MAX, INT32_MAX, 100, 0, "      0.00"}, {INT32_MIN, INT32_MIN, 100, 0, "   9999.00"}};
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
    ASSERT_TRUE(MakeSpellRow("S", s, row));
    EXPECT_EQ(row.Spell(), &s);
    EXPECT_EQ(CellTexts(row), (std::vector<std::string>{"Fire Bolt", "fbol", "Mage 2", "5", "0", "12", "Between Rounds",
                                                   "", "Monster", "12"}));
    s.CasterType = 0;
    ASSERT_TRUE(MakeSpellRow("S", s, row));
    EXPECT_EQ(CellTexts(row)[2], "None");
    EXPECT_FALSE(MakeSpellRow("A", s, row));
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
    EXPECT_EQ(ItemDumpLine(w, '.'), "Keen Blade, 3-12, 100, 0, 1.5/0.3, 0, 0, 0, 0, 0, None, , Weapon, Two-handed Edged ");
}

TEST(Find, CaptionSubstringWithAsciiFolding)
{
    std::vector<ListRow> rows(5);
    const char* names[] = {"Brass Ring", "Bowstring", "Helm", "\xc9p\xe9" "e RING", "\xe9p\xe9" "e"};
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
