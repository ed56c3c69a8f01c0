// The sample world: the committed data loads and covers the game's codes, and what the generator
// makes reads as a world a player recognises.
#include "SampleData.h"
#include "TestFiles.h"
#include "data/CodeTables.h"
#include "equipment/SlotLists.h"
#include "lists/LoadRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using namespace vantor;

namespace {

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> WordsOf(const std::string& name)
{
    std::vector<std::string> words;
    std::istringstream in(name);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool HasWords(const std::string& name, const std::string& phrase)
{
    return (" " + name + " ").find(" " + phrase + " ") != std::string::npos;
}

// Spearman's rank correlation of the pairs (ties take their mean rank).
double RankCorrelation(std::vector<std::pair<double, double>> xy)
{
    const auto ranks = [&](bool second) {
        std::vector<size_t> order(xy.size());
        for (size_t i = 0; i < order.size(); ++i) order[i] = i;
        const auto value = [&](size_t i) { return second ? xy[i].second : xy[i].first; };
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return value(a) < value(b); });
        std::vector<double> rank(xy.size());
        for (size_t i = 0; i < order.size();) {
            size_t j = i;
            while (j < order.size() && value(order[j]) == value(order[i])) ++j;
            for (size_t k = i; k < j; ++k) rank[order[k]] = (i + j - 1) / 2.0;
            i = j;
        }
        return rank;
    };
    const std::vector<double> a = ranks(false), b = ranks(true);
    double ma = 0, mb = 0;
    for (size_t i = 0; i < a.size(); ++i) ma += a[i], mb += b[i];
    ma /= a.size();
    mb /= b.size();
    double sab = 0, saa = 0, sbb = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        sab += (a[i] - ma) * (b[i] - mb);
        saa += (a[i] - ma) * (a[i] - ma);
        sbb += (b[i] - mb) * (b[i] - mb);
    }
    return saa > 0 && sbb > 0 ? sab / std::sqrt(saa * sbb) : 0;
}

int LevelOf(const TItem& item) { return std::max(1, item.MinLevel); }

// What a player would notice of a world at once: each name says what it is, where it is worn and
// of what, the numbers follow the names, and no two entries of one list read alike.
void ExpectBelievable(const ItemList& items, const SpellList& spells)
{
    std::map<int, std::vector<std::string>> slotNouns;  // body-part code -> its nouns
    std::map<std::string, int> nounOwner;               // every noun once in all the world
    const auto own = [&](const std::string& noun, int owner) {
        EXPECT_TRUE(nounOwner.emplace(noun, owner).second) << noun << " names two kinds of things";
    };
    for (const auto& s : vantorgen::ArmourNouns())
        for (const std::string& n : s.Nouns) slotNouns[s.Worn].push_back(n), own(n, s.Worn);
    slotNouns[13] = slotNouns[4];
    for (const auto& k : vantorgen::WeaponKinds()) own(k.Noun, 1000);
    for (const auto& t : vantorgen::OtherNouns())
        for (const std::string& n : t.Nouns) own(n, 2000 + t.ItemType);

    std::map<std::pair<int, int>, std::vector<std::pair<double, double>>> acByLevel;  // (worn, type)
    std::map<std::string, std::vector<std::pair<double, double>>> damageByLevel;      // weapon noun
    std::map<int, std::vector<double>> weights;                                       // worn -> plate weights
    std::map<int, std::vector<double>> speeds, damages;                               // weapon type
    for (const TItem& item : items) {
        SCOPED_TRACE(item.Name);
        const std::vector<std::string> words = WordsOf(item.Name);
        EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size()) << "a doubled word";
        std::vector<int> owners;
        for (const auto& [noun, owner] : nounOwner)
            if (HasWords(item.Name, noun)) owners.push_back(owner);
        ASSERT_EQ(owners.size(), 1u) << "one noun says what it is";
        if (item.ItemType == 0) {
            EXPECT_EQ(owners[0], item.WornSlot == 13 ? 4 : item.WornSlot) << "the noun is of its slot";
            std::string material = "None";
            for (const auto& m : vantorgen::ArmourMaterials())
                for (const std::string& w : m.Words)
                    if (HasWords(item.Name, w)) material = m.Material;
            EXPECT_EQ(GetArmourMaterial(item.ArmourType), material);
            acByLevel[{item.WornSlot, item.ArmourType}].push_back({LevelOf(item), item.ArmourClass});
            if (item.ArmourType == 9) weights[item.WornSlot].push_back(item.Weight);
        } else if (item.ItemType == 1) {
            ASSERT_EQ(owners[0], 1000);
            const auto kind = std::find_if(vantorgen::WeaponKinds().begin(), vantorgen::WeaponKinds().end(),
                                           [&](const vantorgen::WeaponKind& k) { return HasWords(item.Name, k.Noun); });
            EXPECT_EQ(item.WeaponType, kind->WeaponType);
            EXPECT_GE(item.Speed, kind->SpeedLow);
            EXPECT_LE(item.Speed, kind->SpeedHigh);
            const double average = (item.MinDamage + item.MaxDamage) / 2.0;
            damageByLevel[kind->Noun].push_back({LevelOf(item), average});
            speeds[item.WeaponType].push_back(item.Speed);
            damages[item.WeaponType].push_back(average / (0.35 + 0.65 * LevelOf(item) / 75.0));
        } else {
            EXPECT_EQ(owners[0], 2000 + item.ItemType) << "the noun is of its type";
        }
    }
    // Armour class rises with the level needed, within a slot and a type (jewellery has none).
    for (const auto& [group, points] : acByLevel) {
        const bool varies =
            std::any_of(points.begin(), points.end(), [&](const auto& p) { return p.second != points[0].second; });
        if (points.size() >= 12 && varies) {
            EXPECT_GT(RankCorrelation(points), 0.5) << group.first << "/" << group.second;
        }
    }
    // A plate hauberk weighs more than plate gauntlets; heavy weapons are slow, daggers quick.
    const auto mean = [](const std::vector<double>& v) {
        double s = 0;
        for (double x : v) s += x;
        return v.empty() ? 0 : s / v.size();
    };
    if (!weights[11].empty() && !weights[3].empty()) {
        EXPECT_GT(mean(weights[11]), 2 * mean(weights[3]));
    }
    for (const auto& [noun, points] : damageByLevel) {
        if (points.size() >= 12) {
            EXPECT_GT(RankCorrelation(points), 0.5) << noun;
        }
    }
    EXPECT_GT(mean(speeds[1]), mean(speeds[0]));
    EXPECT_GT(mean(speeds[3]), mean(speeds[2]));
    EXPECT_GT(mean(damages[1]), mean(damages[0]));
    EXPECT_GT(mean(damages[3]), mean(damages[2]));

    // Entries of one slot list can always be told apart.
    SlotLists lists;
    FillSlotLists(items, {}, lists, nullptr);
    for (const SlotList& list : lists) {
        std::set<std::string> names;
        for (int i = 1; i < list.size(); ++i)
            EXPECT_TRUE(names.insert(std::string(list.Text(i))).second) << list.Text(i);
    }
    // Spells: no name twice, every caster at several levels, mana rising with the level.
    std::set<std::string> spellNames;
    std::map<int32_t, std::set<int32_t>> levels;
    std::vector<std::pair<double, double>> mana;
    for (const TSpell& s : spells) {
        EXPECT_TRUE(spellNames.insert(s.Name).second) << s.Name;
        const std::vector<std::string> words = WordsOf(s.Name);
        EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size()) << s.Name;
        levels[s.CasterType].insert(s.Level);
        mana.push_back({static_cast<double>(s.Level), static_cast<double>(s.Mana)});
    }
    for (int32_t caster = 1; caster <= 5; ++caster) EXPECT_GE(levels[caster].size(), 4u) << caster;
    EXPECT_GT(RankCorrelation(mana), 0.5);
}

}  // namespace

TEST(SampleData, CommittedDataLoadsAndCoversTheCodes)
{
    SpellList spells;
    ItemList items;
    ASSERT_NO_THROW(LoadRecords(VANTOR_SAMPLE_DIR, spells, items, nullptr));
    EXPECT_EQ(items.size(), 400u);
    EXPECT_EQ(spells.size(), 112u);
    std::set<int32_t> itemTypes, armourTypes, wornSlots, weaponTypes, casters, elements;
    for (const TItem& it : items) {
        itemTypes.insert(it.ItemType);
        if (it.ItemType == 0) armourTypes.insert(it.ArmourType), wornSlots.insert(it.WornSlot);
        if (it.ItemType == 1) weaponTypes.insert(it.WeaponType);
    }
    for (const TSpell& s : spells) casters.insert(s.CasterType), elements.insert(s.Element);
    EXPECT_EQ(itemTypes.size(), 11u);
    EXPECT_EQ(armourTypes.size(), 10u);
    EXPECT_EQ(weaponTypes.size(), 4u);
    EXPECT_EQ(casters.size(), 6u);
    EXPECT_EQ(elements.size(), 7u);
    EXPECT_EQ(wornSlots.size(), 14u);  // every slot; the second finger's 13 is read as 4
    EXPECT_NE(Slurp(std::string(VANTOR_SAMPLE_DIR) + "/Items.txt").find(",13,"), std::string::npos);
    // The first spells and items, which the descriptions show at their best.
    EXPECT_EQ(spells.Find(12)->Name, "Fire Bolt");
    EXPECT_NE(spells.Find(17)->Basics.find("...)"), std::string::npos);
    EXPECT_EQ(items[0].Special, "Accuracy +5, Good, M.R. +10, Thief Only");
    EXPECT_EQ(items[1].Special, "Casts Spell (Fire Bolt Damage (No AC) 10 to 20) 25%");
    EXPECT_EQ(items[2].Special, "Casts Spell (Ember Chain Damage (No AC) 5 to 9  End Cast (Fire Bolt Damage (No AC) "
                                "10 to 20)50%) ");
    ExpectBelievable(items, spells);
}

TEST(SampleData, TheGeneratorMakesABelievableWorldAtAnySize)
{
    testfiles::TempDir a, b;
    vantorgen::SampleSizes sizes;
    sizes.Items = 20000;
    sizes.Spells = 2000;
    ASSERT_TRUE(vantorgen::WriteSampleData(a.Path(), sizes, 7));
    ASSERT_TRUE(vantorgen::WriteSampleData(b.Path(), sizes, 7));
    for (const char* f : {"/Items.txt", "/spells.txt", "/spellsVtab0.txt"})
        EXPECT_TRUE(Slurp(a.Path() + f) == Slurp(b.Path() + f)) << f << " differs for the same seed";
    SpellList spells;
    ItemList items;
    ASSERT_NO_THROW(LoadRecords(a.Path(), spells, items, nullptr));
    EXPECT_EQ(items.size(), 20000u);
    EXPECT_EQ(spells.size(), 2012u);
    ExpectBelievable(items, spells);
}
