// What a character may use, the class presets, the armour, weapon and spell filters.
#include "data/Errors.h"
#include "filters/ListFilters.h"
#include "filters/Profile.h"

#include <gtest/gtest.h>

#include <map>

using namespace vantor;

namespace {

TItem Thing(int32_t type, int32_t kind, const std::string& name = "x")
{
    TItem item;
    item.Name = name;
    item.ItemType = type;
    (type == 0 ? item.ArmourType : item.WeaponType) = kind;
    return item;
}

Profile Of(int32_t classCode, const char* level = "65") { return Profile(classCode, level, false, false, false); }

std::string Names(const std::vector<std::string>& v)
{
    std::string out;
    for (const auto& s : v) out += (out.empty() ? "" : " ") + s;
    return out;
}

}  // namespace

TEST(MetClassFilter, ClassRulesByArmourAndWeaponType)
{
    // For each class: the highest armour type it wears, and the weapon types it wields.
    const struct {
        int32_t Class;
        int32_t MaxArmour;
        std::vector<int32_t> Weapons;
    } rows[] = {{1, 9, {-1, 0, 1, 2, 3}}, {2, 8, {0, 1, 2, 3}},  {3, 9, {0, 1, 2, 3}}, {4, 9, {0, 1}},
                {5, 1, {0, 1}},           {6, 6, {0, 2}},        {7, 2, {0, 1, 2, 3}}, {8, 6, {0, 2}},
                {9, 6, {0, 2}},           {10, 6, {0, 2}},       {11, 7, {0, 2}},      {12, 1, {}},
                {13, 6, {0, 1}},          {14, 6, {0, 1, 2, 3}}, {15, 1, {}}};
    for (const auto& r : rows) {
        for (int32_t t = -1; t <= 10; ++t)
            EXPECT_EQ(MetClassFilter(Thing(0, t), Of(r.Class)), t <= r.MaxArmour)
                << "class " << r.Class << " armour " << t;
        for (int32_t t = 0; t <= 4; ++t) {
            const bool wields = std::find(r.Weapons.begin(), r.Weapons.end(), t) != r.Weapons.end();
            EXPECT_EQ(MetClassFilter(Thing(1, t), Of(r.Class)), wields) << "class " << r.Class << " weapon " << t;
        }
        EXPECT_FALSE(MetClassFilter(Thing(4, 0), Of(r.Class)));
    }
    EXPECT_TRUE(MetClassFilter(Thing(4, 0), Of(0)));  // "(any)" takes every type
    TItem magic = Thing(0, 1);
    magic.Magical = 2;
    EXPECT_FALSE(MetClassFilter(magic, Of(2)));  // a Witchunter shuns magic
    EXPECT_TRUE(MetClassFilter(magic, Of(1)));
}

TEST(MetClassFilter, AlignmentLevelAndClassLists)
{
    const struct {
        int32_t Code;
        bool Good, Neutral, Evil;  // passes with that box ticked
    } alignments[] = {{97, true, false, false}, {98, false, false, true},  {110, false, true, true},
                      {111, true, true, false}, {112, false, true, false}, {113, true, false, true}};
    for (const auto& a : alignments) {
        TItem item = Thing(0, 0);
        item.Abilities[3] = a.Code;
        EXPECT_EQ(MetClassFilter(item, Profile(0, "65", true, false, false)), a.Good) << a.Code;
        EXPECT_EQ(MetClassFilter(item, Profile(0, "65", false, true, false)), a.Neutral) << a.Code;
        EXPECT_EQ(MetClassFilter(item, Profile(0, "65", false, false, true)), a.Evil) << a.Code;
        EXPECT_TRUE(MetClassFilter(item, Of(0)));
    }
    TItem item = Thing(0, 0);
    item.MinLevel = 65;
    EXPECT_TRUE(MetClassFilter(item, Of(0, "65")));
    EXPECT_FALSE(MetClassFilter(item, Of(0, "64")));
    EXPECT_FALSE(MetClassFilter(item, Of(0, "")));  // no digits: level 0
    EXPECT_THROW(MetClassFilter(item, Of(0, "-5")), EConvertError);

    TItem plate = Thing(0, 9);
    plate.ClassOnly[4] = 12;
    EXPECT_TRUE(MetClassFilter(plate, Of(12)));
    EXPECT_FALSE(MetClassFilter(plate, Of(1)));
    EXPECT_TRUE(MetClassFilter(plate, Of(0)));  // "(any)" ignores the lists
    TItem both = Thing(4, 0);
    both.ClassOnly = {0, 3, 1};
    EXPECT_TRUE(MetClassFilter(both, Of(1)));
    EXPECT_TRUE(MetClassFilter(both, Of(3)));
    EXPECT_FALSE(MetClassFilter(both, Of(4)));
    TItem wand = Thing(1, 3);
    EXPECT_FALSE(MetClassFilter(wand, Of(12)));
    wand.Abilities[9] = 59;  // ClassOk
    wand.AbilityValues[9] = 12;
    EXPECT_TRUE(MetClassFilter(wand, Of(12)));
    wand.ClassOnly[0] = 99;  // any non-zero entry restricts, but the allowed list comes after
    EXPECT_TRUE(MetClassFilter(wand, Of(12)));
    EXPECT_FALSE(MetClassFilter(wand, Of(1)));
}

TEST(SpellCasting, ClassCasterTypeAndMagicLevel)
{
    // Caster type and the highest magic level each class casts; 0 for none.
    const std::map<int32_t, std::pair<int32_t, int32_t>> casts = {
        {3, {2, 1}},  {4, {2, 2}},  {5, {2, 3}},  {6, {2, 2}},  {9, {4, 3}}, {10, {1, 2}},
        {11, {1, 2}}, {12, {1, 3}}, {13, {3, 3}}, {14, {3, 1}}, {15, {5, 3}}};
    for (int32_t c = 1; c <= 15; ++c) {
        for (int32_t caster = 0; caster <= 5; ++caster) {
            for (int32_t m = -1; m <= 4; ++m) {
                TSpell spell;
                spell.CasterType = caster;
                spell.MagicLevel = m;
                const auto it = casts.find(c);
                const bool expected = it != casts.end() && it->second.first == caster && m <= it->second.second;
                EXPECT_EQ(metSpellCastorFilter(spell, Of(c)), expected) << c << " " << caster << " " << m;
            }
        }
    }
    TSpell high;
    high.Level = 66;
    EXPECT_FALSE(metSpellCastorFilter(high, Of(0)));
    high.Level = 65;
    high.Abilities[0] = 110;
    EXPECT_TRUE(metSpellCastorFilter(high, Of(0)));
    EXPECT_FALSE(metSpellCastorFilter(high, Profile(0, "65", true, false, false)));
}

TEST(ClassPreset, EveryClassRow)
{
    // Plate Scale Chain Leather Ninja Silk NonMagA | 1H 2H Edged Blunt NonMagW | M1 M2 M3 | mana combat label
    const struct {
        const char* Boxes;
        const char* Mana;
        const char* Combat;
        const char* Label;
    } rows[] = {
        {"1111010 11110 111", "0", nullptr, "Intel"}, {"1111010 11110 000", "0", "4", "Intel"},
        {"0111011 11111 000", "0", "5", "Intel"},     {"1111010 11110 100", "1", "4", "Intel"},
        {"1111010 11010 110", "2", "3", "Intel"},     {"0000010 11010 111", "3", "1", "Intel"},
        {"0001010 10110 110", "2", "2", "Intel"},     {"0000110 11110 000", "0", "3", "Intel"},
        {"0001010 10110 000", "0", "2", "Intel"},     {"0001010 10110 110", "2", "3", "Charm"},
        {"0001010 10110 110", "2", "2", "Intel"},     {"0011010 10110 110", "2", "3", "Intel"},
        {"0000010 00000 111", "3", "1", "Intel"},     {"0001010 11010 111", "3", "2", "Intel"},
        {"0001010 11110 100", "1", "4", "Intel"},     {"0000010 00000 111", "0", "3", "Intel"},
    };
    for (int32_t c = 0; c < 16; ++c) {
        const ClassPreset p = PresetForClass(c);
        const bool boxes[] = {p.Plate, p.Scalemail,         p.Chainmail,   p.Leather,     p.Ninja,
                              p.Silk,  p.NonMagicalArmour,  p.OneHanded,   p.TwoHanded,   p.Edged,
                              p.Blunt, p.NonMagicalWeapons, p.MagicLevel1, p.MagicLevel2, p.MagicLevel3};
        std::string got;
        for (size_t i = 0; i < std::size(boxes); ++i)
            got += std::string(i == 7 || i == 12 ? " " : "") + (boxes[i] ? "1" : "0");
        EXPECT_EQ(got, rows[c].Boxes) << "class " << c;
        EXPECT_STREQ(p.ManaMagicLevel, rows[c].Mana) << c;
        EXPECT_STREQ(p.Combat ? p.Combat : "unchanged", rows[c].Combat ? rows[c].Combat : "unchanged") << c;
        EXPECT_STREQ(p.ManaLabel, rows[c].Label) << c;
    }
}

TEST(ListFilters, ArmourPassesInMaterialOrderWithTwoChances)
{
    ItemList items;
    const auto add = [&](const std::string& name, int32_t type, int32_t worn, int32_t magical, int32_t hit) -> TItem& {
        TItem& it = items.emplace_back(Thing(0, type, name));
        it.WornSlot = worn;
        it.Magical = magical;
        it.HitMagic = hit;
        return it;
    };
    add("silk", 1, 2, 0, 0);
    add("plate", 9, 2, 1, 0);
    add("leather3", 3, 5, 0, 2);
    add("leather6", 6, 2, -1, 0);
    add("none", 0, 2, 0, -1);
    add("odd", 10, 2, 0, 0);
    add("mageonly", 7, 2, 0, 0).ClassOnly[0] = 12;
    add("badonly", 7, 2, 0, 0).ClassOnly[0] = 16;
    items.push_back(Thing(1, 0, "sword"));
    const auto run = [&](const Profile& p, const ArmourBoxes& b) {
        std::vector<std::string> out;
        FilterArmour(items, p, b, [&](const TItem& i) { out.push_back(i.Name); });
        return Names(out);
    };
    ArmourBoxes all;
    EXPECT_EQ(run(Of(0), all), "plate mageonly badonly leather3 silk none");  // not a negative Magical, nor type 10
    ArmourBoxes nonMagical;
    nonMagical.NonMagical = true;
    EXPECT_EQ(run(Of(0), nonMagical), "mageonly badonly leather3 silk");  // nor a negative HitMagic
    ArmourBoxes min2;
    min2.MinMagic = 2;
    EXPECT_EQ(run(Of(0), min2), "leather3");  // the second chance: HitMagic
    ArmourBoxes feet;
    feet.WornCode = 5;
    EXPECT_EQ(run(Of(0), feet), "leather3");
    EXPECT_EQ(run(Of(1), all), "plate badonly leather3 silk none");  // class-only counts entries 1..15 only
    EXPECT_EQ(run(Of(12), all), "plate mageonly badonly leather3 silk none");
    ArmourBoxes none{false, false, false, false, false, false, false};
    EXPECT_EQ(run(Of(0), none), "");
    EXPECT_THROW(run(Of(0, "-1"), all), EConvertError);
    EXPECT_EQ(run(Of(0, "-1"), none), "");  // no pass, no level read
}

TEST(ListFilters, WeaponPassesByTypeThenAnyTypeForMages)
{
    ItemList items;
    const auto add = [&](const std::string& name, int32_t type, int32_t magical, int32_t hit) -> TItem& {
        TItem& it = items.emplace_back(Thing(1, type, name));
        it.Magical = magical;
        it.HitMagic = hit;
        return it;
    };
    add("edge2h", 3, 0, 0);
    add("blunt1h", 0, 0, 2);
    add("hit4", 2, 4, 0);
    add("cursed", 1, -3, 0);
    TItem& staff = add("staff", 1, 0, 0);
    staff.Abilities[0] = 59;  // ClassOk
    staff.AbilityValues[0] = 12;
    items.push_back(Thing(0, 0, "cap"));
    const auto run = [&](const Profile& p, const WeaponBoxes& b) {
        std::vector<std::string> out;
        FilterWeapons(items, p, b, [&](const TItem& i) { out.push_back(i.Name); });
        return Names(out);
    };
    EXPECT_EQ(run(Of(0), {}), "blunt1h cursed staff hit4 edge2h");
    WeaponBoxes min3;
    min3.MinMagic = 3;
    EXPECT_EQ(run(Of(0), min3), "cursed hit4");
    WeaponBoxes nonMagical;
    nonMagical.NonMagical = true;
    EXPECT_EQ(run(Of(0), nonMagical), "blunt1h staff edge2h");
    WeaponBoxes bluntOnly{false, true, false, true, false, 0};
    EXPECT_EQ(run(Of(0), bluntOnly), "cursed staff");
    WeaponBoxes noBoxes{false, false, false, false, false, 0};
    EXPECT_EQ(run(Of(12), noBoxes), "staff");
    EXPECT_EQ(run(Of(12), {}), "staff");  // accepted by its typed pass and the any-type pass: listed once
    EXPECT_EQ(run(Of(1), noBoxes), "");
    EXPECT_THROW(run(Of(0, "1-"), {}), EConvertError);
}

TEST(ListFilters, SpellsOfTheClassAtTheTickedMagicLevels)
{
    SpellList spells;
    const struct {
        const char* Name;
        int32_t Caster, Magic;
    } rows[] = {{"p1", 2, 1}, {"p3", 2, 3}, {"m2", 1, 2}, {"d1", 3, 1}, {"x0", 0, 0}, {"b4", 4, 4}};
    for (const auto& r : rows) {
        TSpell s;
        s.Name = r.Name;
        s.CasterType = r.Caster;
        s.MagicLevel = r.Magic;
        spells.Add(std::move(s));
    }
    const auto run = [&](int32_t c, const SpellBoxes& b) {
        std::vector<std::string> out;
        FilterSpells(spells, c, b, [&](const TSpell& s) { out.push_back(s.Name); });
        return Names(out);
    };
    const SpellBoxes all;
    const SpellBoxes level1{true, false, false};
    EXPECT_EQ(run(3, level1), "p1");
    EXPECT_EQ(run(3, {true, false, true}), "p1 p3");
    EXPECT_EQ(run(12, all), "m2");
    for (int32_t c : {1, 2, 7, 8}) EXPECT_EQ(run(c, all), "") << c;
    EXPECT_EQ(run(0, all), "p1 p3 m2 d1 x0 b4");
    EXPECT_EQ(run(0, level1), "p1 d1 x0 b4");
}
