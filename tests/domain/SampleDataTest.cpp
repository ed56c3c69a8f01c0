#include "SampleData.h"
#include "TestFiles.h"
#include "lists/ListRows.h"
#include "lists/LoadRecords.h"

#include <gtest/gtest.h>

#include <fstream>
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

}  // namespace

TEST(SampleData, CommittedDataLoadsAndCoversTheCodes)
{
    SpellList spells;
    ItemList items;
    ASSERT_NO_THROW(LoadRecords(VANTOR_SAMPLE_DIR, spells, items, nullptr));
    EXPECT_GT(items.size(), 300u);
    EXPECT_GT(spells.size(), 90u);
    std::set<int32_t> itemTypes, armourTypes, wornSlots, weaponTypes, casters, targets, elements;
    for (const TItem& it : items) {
        itemTypes.insert(it.ItemType);
        if (it.ItemType == 0) armourTypes.insert(it.ArmourType), wornSlots.insert(it.WornSlot);
        if (it.ItemType == 1) weaponTypes.insert(it.WeaponType);
        EXPECT_EQ(it.Name.find("sdf"), std::string::npos);
        EXPECT_FALSE(it.Special.empty());
    }
    for (const TSpell& s : spells) {
        casters.insert(s.CasterType);
        targets.insert(s.Targets);
        elements.insert(s.Element);
        EXPECT_EQ(s.Name.find('1'), std::string::npos);
    }
    EXPECT_EQ(itemTypes.size(), 11u);
    EXPECT_EQ(armourTypes.size(), 10u);
    EXPECT_EQ(weaponTypes.size(), 4u);
    EXPECT_EQ(casters.size(), 6u);
    EXPECT_EQ(targets.size(), 14u);
    EXPECT_EQ(elements.size(), 7u);
    EXPECT_EQ(wornSlots.count(13), 0u);  // read as 4
    EXPECT_TRUE(wornSlots.count(0) && wornSlots.count(16));
    EXPECT_NE(Slurp(std::string(VANTOR_SAMPLE_DIR) + "/Items.txt").find(",13,"), std::string::npos);
    // The showcase texts.
    const TSpell* cycle = spells.Find(17);
    ASSERT_NE(cycle, nullptr);
    EXPECT_NE(cycle->Basics.find("...)"), std::string::npos);
    EXPECT_EQ(spells.Find(12)->Name, "Fire Bolt");
    EXPECT_EQ(items[0].Special, "Accuracy +5, Good, M.R. +10, Thief Only");
    EXPECT_EQ(items[1].Special, "Casts Spell (Fire Bolt Damage (No AC) 10 to 20) 25%");
    EXPECT_EQ(items[2].Special, "Casts Spell (Ember Chain Damage (No AC) 5 to 9  End Cast (Fire Bolt Damage (No AC) "
                                "10 to 20)50%) ");
}

TEST(SampleData, GeneratorIsDeterministic)
{
    testfiles::TempDir a, b;
    vantorgen::SampleSizes sizes;
    sizes.Items = 200;
    sizes.Spells = 40;
    ASSERT_TRUE(vantorgen::WriteSampleData(a.Path(), sizes, 7));
    ASSERT_TRUE(vantorgen::WriteSampleData(b.Path(), sizes, 7));
    for (const char* f : {"/Items.txt", "/spells.txt", "/spellsVtab0.txt"})
        EXPECT_EQ(Slurp(a.Path() + f), Slurp(b.Path() + f)) << f;
    SpellList spells;
    ItemList items;
    ASSERT_NO_THROW(LoadRecords(a.Path(), spells, items, nullptr));
    EXPECT_EQ(items.size(), 199u);  // "Testsdf Dagger" is dropped, "SDF Marker Stone" stays
}
