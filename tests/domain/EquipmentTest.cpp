// The equipment planner's rules: which slot takes which item, the totals and summary, the
// encumbrance limits and categories, and choosing a set from the game's listing.
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

namespace {

TItem Armour(const std::string& name, int32_t worn, int32_t number = 0)
{
    TItem item;
    item.Name = name;
    item.WornSlot = worn;
    item.Number = number;
    return item;
}

TItem WithType(TItem item, int32_t type)
{
    item.ItemType = type;
    return item;
}

std::vector<std::string> Texts(const SlotList& list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list.size(); ++i) out.emplace_back(list.Text(i));
    return out;
}

}  // namespace

TEST(CheckedArithmetic, RaisesAtTheEdgesOfTheRange)
{
    EXPECT_EQ(CheckedAdd(INT32_MAX - 1, 1), INT32_MAX);
    EXPECT_THROW(CheckedAdd(INT32_MAX, 1), EIntOverflow);
    EXPECT_THROW(CheckedAdd(INT32_MIN, -1), EIntOverflow);
    EXPECT_THROW(CheckedSub(INT32_MIN, 1), EIntOverflow);
    EXPECT_EQ(CheckedMul(46340, 46340), 2147395600);
    EXPECT_THROW(CheckedMul(46341, 46341), EIntOverflow);
    EXPECT_EQ(CheckedDiv(-7, 2), -3);  // truncates toward zero
    EXPECT_THROW(CheckedDiv(1, 0), EDivByZero);
    EXPECT_THROW(CheckedDiv(INT32_MIN, -1), EIntOverflow);
    try {
        CheckedDiv(0, 0);
    } catch (const EDivByZero& e) {
        EXPECT_STREQ(e.what(), "Division by zero");
    }
    try {
        CheckedAdd(INT32_MAX, INT32_MAX);
    } catch (const EIntOverflow& e) {
        EXPECT_STREQ(e.what(), "Integer overflow");
    }
}

TEST(SlotRules, EachItemGoesWhereItIsWorn)
{
    const struct {
        int32_t Type, Worn;
        std::set<Slot> Slots;
    } cases[] = {
        {0, 2, {Head}},
        {0, 8, {Neck}},
        {0, 7, {Back}},
        {0, 15, {Ears}},
        {0, 11, {Torso}},
        {0, 6, {Arms}},
        {0, 3, {Gloves}},
        {0, 4, {Finger1, Finger2}},
        {0, 13, {Finger1, Finger2}},
        {0, 14, {Wrist}},
        {0, 10, {Waist}},
        {0, 9, {Legs}},
        {0, 5, {Feet}},
        {0, 12, {Offhand}},
        {0, 16, {Worn}},
        {0, 0, {}},
        {0, 1, {}},
        {0, 17, {}},
        {1, 2, {Weapon}},
        {1, 0, {Weapon}},
        {2, 2, {}},
        {-1, 2, {}},
    };
    for (const auto& c : cases) {
        const TItem item = WithType(Armour("x", c.Worn), c.Type);
        std::set<Slot> got;
        for (int s = 0; s < kSlotCount; ++s)
            if (SlotReceives(static_cast<Slot>(s), item)) got.insert(static_cast<Slot>(s));
        EXPECT_EQ(got, c.Slots) << "type " << c.Type << " worn " << c.Worn;
    }
    EXPECT_STREQ(SlotTable()[Offhand].Name, "cbxOffhand");
    EXPECT_STREQ(SlotTable()[Offhand].Caption, "Off-Hand");
}

TEST(SlotRules, FillSortsByNameKeepsNoneFirstAndFiltersByUse)
{
    ItemList items;
    items.push_back(Armour("zinc cap", 2, 1));
    items.push_back(Armour("Iron Cap", 2, 2));
    items.push_back(Armour("iron cap", 2, 3));  // same name folded: kept in file order
    items.push_back(Armour("Brass Ring", 4, 4));
    items.push_back(WithType(Armour("Axe", 0, 5), 1));
    items.push_back(WithType(Armour("Apple", 2, 6), 4));
    SlotLists lists;
    SlotList swing;
    FillSlotLists(items, {}, lists, &swing);
    EXPECT_EQ(Texts(lists[Head]), (std::vector<std::string>{"*None*", "Iron Cap", "iron cap", "zinc cap"}));
    EXPECT_EQ(lists[Head].Record(2)->Number, 3);
    EXPECT_EQ(lists[Head].Record(0), nullptr);
    EXPECT_EQ(lists[Head].Record(99), nullptr);
    EXPECT_EQ(lists[Head].EntryOf(lists[Head].Record(2)), 2);
    EXPECT_EQ(lists[Head].EntryOf(nullptr), 0);
    EXPECT_EQ(lists[Head].EntryOf(lists[Weapon].Record(1)), -1);
    EXPECT_EQ(Texts(lists[Finger1]), Texts(lists[Finger2]));
    EXPECT_EQ(Texts(lists[Weapon]), (std::vector<std::string>{"*None*", "Axe"}));
    EXPECT_EQ(Texts(swing), Texts(lists[Weapon]));
    EXPECT_EQ(Texts(lists[Feet]), std::vector<std::string>{"*None*"});
    EXPECT_EQ(lists[Head].FindText("IRON CAP"), 1);
    EXPECT_EQ(lists[Head].FindText("copper cap"), -1);

    // A usability test narrows the slots; an earlier fill leaves nothing behind.
    FillSlotLists(
        items, [](const TItem& i) { return i.Number != 2 && i.Number != 5; }, lists, nullptr);
    EXPECT_EQ(Texts(lists[Head]), (std::vector<std::string>{"*None*", "iron cap", "zinc cap"}));
    EXPECT_EQ(lists[Weapon].size(), 1);
    EXPECT_EQ(swing.size(), 2);  // not part of that fill
}

TEST(Totals, AddUpTheChosenItemsFromTheStartValues)
{
    TItem helm = Armour("helm", 2);
    helm.ArmourClass = 2.5;
    helm.DamageResist = 0.3;
    helm.Accuracy = 4;
    helm.Stealth = 5;
    helm.Weight = 30;
    helm.EncumbranceBonus = 5;
    helm.Crits = 1;
    helm.MagicRes = 7;
    helm.Dodge = -5;
    helm.MaxDamageBonus = 2;
    helm.Abilities = {27, 34, 28, 190, 7, 0, 201, -3, 0, 0};
    helm.AbilityValues = {5, -5, 9, 3, 3, 1, 1, 1, 0, 0};
    TItem boots = Armour("boots", 5);
    boots.ArmourClass = 1;
    boots.Weight = 10;
    boots.Abilities = {27, 135, 0, 0, 0, 0, 0, 0, 0, 0};
    boots.AbilityValues = {-5, 40, 0, 0, 0, 0, 0, 0, 0, 0};
    ChosenItems chosen{};
    chosen[Head] = &helm;
    chosen[Feet] = &boots;

    const EquipmentTotals t = AddUpEquipment(chosen, "12", "1");
    EXPECT_DOUBLE_EQ(t.ArmourClass, 4.5);
    EXPECT_DOUBLE_EQ(t.DamageResist, 0.3);
    EXPECT_EQ(t.Encumbrance, 52);
    EXPECT_EQ(t.EncumbranceBonus, 5);
    EXPECT_EQ(t.Dodge, -5);
    EXPECT_EQ(t.Stealth, 5);  // the field, not the ability
    // Stealth +5 and -5 cancel; Magical and MinLevel never show; the DR ability shows as stored;
    // a code without a name shows its number; codes outside 1..200 count for nothing.
    EXPECT_EQ(AbilitySummary(t), "DR +3, Dodge -5, ?190 +3");

    const struct {
        const char* Enc;
        const char* AC;
        int32_t Encumbrance;
        double ArmourClass;
    } starts[] = {{"0", "1", 40, 4.5}, {" 5", "+2", 45, 5.5}, {"1.5", "1", 40, 3.5},       {"5", "x", 40, 3.5},
                  {"", "1", 40, 3.5},  {"-7", "-1", 33, 2.5}, {"2147483648", "1", 40, 3.5}};
    for (const auto& s : starts) {
        const EquipmentTotals u = AddUpEquipment(chosen, s.Enc, s.AC);
        EXPECT_EQ(u.Encumbrance, s.Encumbrance) << s.Enc << " / " << s.AC;
        EXPECT_DOUBLE_EQ(u.ArmourClass, s.ArmourClass) << s.Enc << " / " << s.AC;
    }
    const EquipmentTotals none = AddUpEquipment(ChosenItems{}, "0", "1");
    EXPECT_DOUBLE_EQ(none.ArmourClass, 1);
    EXPECT_EQ(AbilitySummary(none), "");
}

TEST(Totals, OverflowRaisesInsteadOfWrapping)
{
    TItem heavy = Armour("anvil", 2);
    heavy.Weight = INT32_MAX;
    ChosenItems chosen{};
    chosen[Head] = &heavy;
    EXPECT_EQ(AddUpEquipment(chosen, "0", "1").Encumbrance, INT32_MAX);
    EXPECT_THROW(AddUpEquipment(chosen, "1", "1"), EIntOverflow);
    TItem lucky = Armour("charm", 16);
    lucky.Abilities[0] = 22;
    lucky.AbilityValues[0] = INT32_MIN;
    chosen[Head] = nullptr;
    chosen[Worn] = &lucky;
    chosen[Neck] = &lucky;
    EXPECT_THROW(AddUpEquipment(chosen, "0", "1"), EIntOverflow);
}

TEST(Totals, HintShowsOneAbilityPerLine)
{
    TItem item;
    item.Special = "Accuracy +5, Stealth +2, Casts Spell (Fire, 3)";
    EXPECT_EQ(SlotHint(item), "Accuracy +5\nStealth +2\nCasts Spell (Fire\n3)");
    item.Special = "";
    EXPECT_EQ(SlotHint(item), "");
}

TEST(Encumbrance, MaximumLimitsAndCategories)
{
    EXPECT_EQ(MaxEncumbrance(100, 0), 4800);
    EXPECT_EQ(MaxEncumbrance(150, 5), 9450);
    EXPECT_EQ(MaxEncumbrance(101, 0), 84 * 101 - 3600);
    EXPECT_EQ(MaxEncumbrance(0, 0), 0);
    EXPECT_EQ(MaxEncumbrance(100, 20), 5760);
    EXPECT_THROW(MaxEncumbrance(30000000, 0), EIntOverflow);
    EXPECT_THROW(MaxEncumbrance(100, INT32_MAX), EIntOverflow);
    EXPECT_THROW(MaxEncumbrance(1000000, 0), EIntOverflow);  // the product before the division

    const EncumbranceLimits l = LimitsOf(4800);
    EXPECT_EQ(l.None, 816);
    EXPECT_EQ(l.Light, 1632);
    EXPECT_EQ(l.Medium, 3216);
    const EncumbranceLimits top = LimitsOf(INT32_MAX);
    EXPECT_EQ(top.Medium, static_cast<int32_t>(int64_t{INT32_MAX} * 67 / 100));
    const struct {
        int32_t Load;
        const char* Category;
    } loads[] = {{0, "None"},      {816, "None"},    {817, "Light"},  {1632, "Light"},
                 {1633, "Medium"}, {3216, "Medium"}, {3217, "Heavy"}, {INT32_MAX, "Heavy"}};
    for (const auto& c : loads) EXPECT_STREQ(CategoryName(CategoryOf(c.Load, l)), c.Category) << c.Load;
    EXPECT_STREQ(CategoryName(CategoryOf(0, LimitsOf(0))), "None");
}

TEST(Paste, MatchesTheLongestNameAndCutsItOut)
{
    ItemList items;
    for (const auto& [name, worn] : std::vector<std::pair<std::string, int>>{{"leather cap", 2},
                                                                             {"cap", 2},
                                                                             {"silver ring", 4},
                                                                             {"gold ring", 4},
                                                                             {"jade ring", 4},
                                                                             {"Buckler", 12},
                                                                             {"short sword", 0},
                                                                             {"sword", 0},
                                                                             {"Buckler", 0},
                                                                             {"great helm", 2}})
        items.push_back(WithType(Armour(name, worn), worn == 0 ? 1 : 0));
    SlotLists lists;
    FillSlotLists(
        items, [](const TItem& i) { return i.Name != "great helm"; }, lists, nullptr);
    const auto pick = [&](const PasteResult& r, Slot s) -> std::string {
        return r.Picks[s] ? std::string(lists[s].Text(*r.Picks[s])) : "(kept)";
    };
    const struct {
        const char* Text;
        Slot In;
        const char* Expected;
    } cases[] = {
        {"leather cap (Head)", Head, "leather cap"},  // not the shorter "cap" inside it
        {"cap (Head)", Head, "cap"},
        {"silver ring (Finger)\nsilver ring (Finger)", Finger2, "silver ring"},  // worn twice
        {"silver ring (Finger)", Finger2, "*None*"},                             // once: the second finger gets nothing
        {"jade ring (Finger) gold ring (Finger)", Finger1, "gold ring"},         // same length: earlier in the list
        {"jade ring (Finger) gold ring (Finger)", Finger2, "jade ring"},
        {"leather cap (head)", Head, "(kept)"},                  // markers match in exact case only
        {"great helm (Head)", Head, "*None*"},                   // not in the slot's list
        {"Buckler (Off-Hand) (Weapon Hand)", Weapon, "*None*"},  // cut out for the off-hand
        {"Buckler (Off-Hand) short sword (Weapon Hand)", Weapon, "short sword"},
        {"(x) nothing here", Head, "(kept)"},
    };
    for (const auto& c : cases) {
        const PasteResult r = PasteEquipment(c.Text, lists);
        EXPECT_EQ(r.Status, PasteStatus::Served) << c.Text;
        EXPECT_EQ(pick(r, c.In), c.Expected) << c.Text;
    }
    // The lines no slot took are told, as they stand.
    const struct {
        const char* Text;
        std::vector<std::string> Unplaced;
    } leftOver[] = {
        {"silver ring (Finger)\nsilver ring (Finger)\r\n  silver ring (Finger)\r\n", {"silver ring (Finger)"}},
        {"great helm (Head)\n\tjade ring (Back)\n", {"great helm (Head)", "jade ring (Back)"}},
        {"You are wearing:\n (Ears)\ncap (Head)\n", {}},
        {"*None* (Neck)\r\n", {}},
    };
    for (const auto& c : leftOver) EXPECT_EQ(PasteEquipment(c.Text, lists).Unplaced, c.Unplaced) << c.Text;
    for (const char* notListing : {"leather cap", "leather cap (Head", "leather cap Head)", ""})
        EXPECT_EQ(PasteEquipment(notListing, lists).Status, PasteStatus::NotEquipment) << notListing;

    std::string text = "a cap and a leather cap";
    EXPECT_EQ(lists[Head].Text(MatchPastedItem(text, lists[Head])), "leather cap");
    EXPECT_EQ(text, "a cap and a ");
    EXPECT_EQ(lists[Head].Text(MatchPastedItem(text, lists[Head])), "cap");
    EXPECT_EQ(text, "a  and a ");
    EXPECT_EQ(MatchPastedItem(text, lists[Head]), 0);
}

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

TEST(CopySet, PastesBackUnlessANameMatchesFirst)
{
    std::deque<TItem> items;
    const auto item = [&](const char* name) -> const TItem& { return items.emplace_back(Armour(name, 0)); };
    const struct {
        std::vector<std::pair<Slot, std::vector<const char*>>> Lists;
        std::vector<std::pair<Slot, int>> Picks;
        std::vector<Slot> NotBack;
    } cases[] = {
        {{{Head, {"cap", "leather cap"}}}, {{Head, 1}}, {}},  // a name inside the chosen one
        {{{Head, {"cap", "leather cap"}}}, {{Head, 2}}, {}},
        {{{Head, {"cap"}}, {Neck, {"cap charm"}}}, {{Head, 1}, {Neck, 1}}, {}},  // an earlier slot's name inside
        {{{Head, {"cap"}}, {Neck, {"cap charm"}}}, {{Neck, 1}}, {}},             // "*None* (Head)" outweighs "cap"
        {{{Head, {"cap", "cap"}}}, {{Head, 2}}, {Head}},                         // same names: the first wins
        {{{Finger1, {"ring", "ring of fire"}}, {Finger2, {"ring", "ring of fire"}}}, {{Finger1, 2}, {Finger2, 1}}, {}},
        {{{Finger1, {"ring", "ring of fire"}}, {Finger2, {"ring", "ring of fire"}}},
         {{Finger1, 1}, {Finger2, 2}},
         {Finger1, Finger2}},  // the first finger takes the longer
        {{{Head, {"cap", "iron cap"}}, {Neck, {"iron cap amulet"}}}, {{Head, 1}, {Neck, 1}}, {Head, Neck}},
    };
    for (const auto& c : cases) {
        SlotLists lists;
        for (const auto& [slot, names] : c.Lists)
            for (const char* name : names) lists[slot].AddFormated(item(name));
        std::array<int, kSlotCount> picks{};
        for (const auto& [slot, pick] : c.Picks) picks[slot] = pick;
        EXPECT_EQ(SlotsNotPastedBack(lists, picks), c.NotBack) << CopySetText(lists, picks);
        const PasteResult back = PasteEquipment(CopySetText(lists, picks), lists);
        for (int s = 0; s < kSlotCount; ++s)
            if (std::find(c.NotBack.begin(), c.NotBack.end(), s) == c.NotBack.end()) {
                EXPECT_EQ(back.Picks[s], picks[s]);
            }
    }
    EXPECT_EQ(CopySetText(SlotLists{}, {}).substr(0, 14), "(Head)\n(Neck)\n");
}

namespace {

// Whether text pastes back to picks: each slot served gets its item, a slot not served is empty,
// and two rings may have changed fingers.
bool PastesBack(const SlotLists& lists, const std::array<int, kSlotCount>& picks, const std::string& text)
{
    const PasteResult back = PasteEquipment(text, lists);
    std::array<const TItem*, kSlotCount> got{}, want{};
    for (int s = 0; s < kSlotCount; ++s) {
        want[s] = lists[s].Record(picks[s]);
        if (back.Picks[s]) got[s] = lists[s].Record(*back.Picks[s]);
    }
    if (got[Finger1] == want[Finger2] && got[Finger2] == want[Finger1]) std::swap(got[Finger1], got[Finger2]);
    return got == want;
}

// Whether some text of the set's lines pastes back: the lines of the slots in play in every order,
// each empty one written as its marker, with "*None*" or left out, the rings either way round;
// the other slots by their markers.
bool SomeTextPastesBack(const SlotLists& lists, std::array<int, kSlotCount> picks, const std::vector<Slot>& inPlay)
{
    static const std::map<Slot, std::string> kMarker = {{Head, "(Head)"},        {Neck, "(Neck)"},
                                                        {Finger1, "(Finger)"},   {Finger2, "(Finger)"},
                                                        {Offhand, "(Off-Hand)"}, {Weapon, "(Weapon Hand)"}};
    std::string rest;
    for (const char* other :
         {"(Back)", "(Ears)", "(Torso)", "(Arms)", "(Hands)", "(Wrist)", "(Waist)", "(Legs)", "(Feet)", "(Worn)"})
        rest += std::string(other) + "\n";
    for (int way = 0; way < 2; ++way) {
        if (way == 1) {  // the rings swapped: the fingers' lists hold the same rings
            std::swap(picks[Finger1], picks[Finger2]);
        }
        std::vector<Slot> empty;
        for (const Slot s : inPlay)
            if (picks[s] == 0) empty.push_back(s);
        int forms = 1;
        for (size_t k = 0; k < empty.size(); ++k) forms *= 3;
        for (int code = 0; code < forms; ++code) {
            std::vector<std::string> lines;
            int c = code;
            for (const Slot s : inPlay) {
                if (picks[s] != 0) {
                    lines.push_back(std::string(lists[s].Text(picks[s])) + " " + kMarker.at(s));
                    continue;
                }
                const int form = c % 3;
                c /= 3;
                if (form == 0) lines.push_back(kMarker.at(s));
                if (form == 1) lines.push_back("*None* " + kMarker.at(s));
            }
            std::sort(lines.begin(), lines.end());
            do {
                std::string text;
                for (const std::string& line : lines) text += line + "\n";
                if (PastesBack(lists, picks, text + rest)) return true;
            } while (std::next_permutation(lines.begin(), lines.end()));
        }
    }
    return false;
}

}  // namespace

TEST(CopySet, PastesBackWheneverSomeTextDoes)
{
    // The player's case: a weapon whose name holds the off-hand's, rings whose names nest.
    std::deque<TItem> items;
    const auto add = [&](SlotLists& lists, std::initializer_list<Slot> slots, const std::string& name) {
        TItem& item = items.emplace_back(Armour(name, 0));
        for (const Slot s : slots) lists[s].AddFormated(item);
    };
    SlotLists lists;
    add(lists, {Head}, "Leather Cap");
    add(lists, {Finger1, Finger2}, "Ring");
    add(lists, {Finger1, Finger2}, "Silver Ring");
    add(lists, {Offhand}, "Sword");
    add(lists, {Weapon}, "Short Sword");
    std::array<int, kSlotCount> picks{};
    picks[Head] = picks[Finger1] = picks[Weapon] = 1;
    picks[Finger2] = 2;
    EXPECT_TRUE(SlotsNotPastedBack(lists, picks).empty()) << CopySetText(lists, picks);
    EXPECT_TRUE(PastesBack(lists, picks, CopySetText(lists, picks)));

    // Small random sets of nested names, against every text of their lines.
    std::mt19937 random(9);
    const auto pickIn = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const char* const words[] = {"Sword", "Short", "Ring", "Silver", "Cap"};
    const Slot play[] = {Head, Neck, Finger1, Offhand, Weapon};
    int roundTrips = 0;
    for (int round = 0; round < 300; ++round) {
        SlotLists l;
        std::vector<Slot> inPlay;
        for (const Slot s : play) {
            if (pickIn(0, 3) == 0) continue;
            inPlay.push_back(s);
            if (s == Finger1) inPlay.push_back(Finger2);
            for (int n = pickIn(1, 3); n > 0; --n) {
                std::string name = words[pickIn(0, 4)];
                if (pickIn(0, 1)) name += std::string(" ") + words[pickIn(0, 4)];
                add(l, s == Finger1 ? std::initializer_list<Slot>{Finger1, Finger2} : std::initializer_list<Slot>{s},
                    name);
            }
        }
        std::array<int, kSlotCount> p{};
        for (const Slot s : inPlay) p[s] = pickIn(0, l[s].size() - 1);
        const std::string copied = CopySetText(l, p);
        const bool back = PastesBack(l, p, copied);
        SCOPED_TRACE(copied);
        EXPECT_EQ(back, SlotsNotPastedBack(l, p).empty());
        if (SomeTextPastesBack(l, p, inPlay)) {
            EXPECT_TRUE(back);
            if (!back) {
                for (const Slot s : inPlay) {
                    std::string d = std::to_string(s) + " pick " + std::to_string(p[s]) + ":";
                    for (int i = 0; i < l[s].size(); ++i) d += " [" + std::string(l[s].Text(i)) + "]";
                    ADD_FAILURE() << d;
                }
            }
        }
        roundTrips += back;
    }
    EXPECT_GT(roundTrips, 150);  // the rounds are not all hopeless
}

TEST(Compare, StatByStatAndTheCategoryAfterTheSwap)
{
    TItem helm = Armour("new helm", 2), worn = Armour("old helm", 2), boots = Armour("boots", 5);
    helm.ArmourClass = 2.5;
    helm.Weight = 300;
    helm.Accuracy = 2;
    helm.Abilities[0] = 22;
    helm.AbilityValues[0] = 4;
    worn.ArmourClass = 3;
    worn.Weight = 10;
    worn.MinLevel = 20;
    boots.Weight = 500;
    ChosenItems chosen{};
    chosen[Head] = &worn;
    chosen[Feet] = &boots;
    EXPECT_EQ(CompareSlots(helm), std::vector<Slot>{Head});
    const Comparison c = CompareWithWorn(helm, Head, chosen, {"0", "1", "10"}, '.');
    const auto row = [&](const std::string& stat) {  // the abilities come last: search from the end
        for (auto r = c.Rows.rbegin(); r != c.Rows.rend(); ++r)
            if (r->Stat == stat) return *r;
        ADD_FAILURE() << stat;
        return CompareRow{};
    };
    const struct {
        std::string Stat;
        const char* Item;
        const char* Worn;
        const char* Difference;
        int Better;
    } expected[] = {{"Armour class", "2.5", "3", "-0.5", -1},
                    {"Encumbrance", "300", "10", "+290", -1},
                    {"Critical hits", "0", "0", "0", 0},
                    {"Level needed", "0", "20", "-20", 1},
                    {"Dodge", "0", "0", "0", 0},
                    {GetFlagName(22), "+4", "", "+4", 1}};
    for (const auto& e : expected) {
        const CompareRow r = row(e.Stat);
        EXPECT_EQ(std::tie(r.Item, r.Worn, r.Difference, r.Better), std::tie(e.Item, e.Worn, e.Difference, e.Better))
            << e.Stat;
    }
    // Strength 10 carries 480, limits 81, 163 and 321: 510 is heavy, 800 too.
    EXPECT_EQ(c.Before, EncumbranceCategory::Heavy);
    const Comparison light = CompareWithWorn(helm, Head, {}, {"0", "1", "10"}, '.');
    EXPECT_EQ(light.Before, EncumbranceCategory::None);
    EXPECT_EQ(light.After, EncumbranceCategory::Medium);  // 300 of 480: above 163, up to 321
    EXPECT_EQ(CompareWithWorn(helm, Head, {}, {"x", "1", "10"}, '.').After, EncumbranceCategory::Medium);
}

TEST(Compare, SetsDifferInWholeTenthsAndLeaveOutWhatIsNoAmount)
{
    // Armour class and damage resistance in tenths whose binary sums are not exact.
    const struct {
        double LeftAC, RightAC, LeftDR, RightDR;
        const char *AC, *DR;
    } rows[] = {{7.1, 7.2, 0.3, 0.1, "-0.1", "+0.2"},
                {0.1 + 0.2, 0.3, 1.1, 2.2, "0", "-1.1"},
                {12.7, 0, 0, 0.7, "+12.7", "-0.7"}};
    for (const auto& r : rows) {
        TItem left = Armour("left", 2), right = Armour("right", 2);
        left.ArmourClass = r.LeftAC;
        right.ArmourClass = r.RightAC;
        left.DamageResist = r.LeftDR;
        right.DamageResist = r.RightDR;
        // Both cast a spell, by number, with a chance: neither is summed nor compared.
        for (TItem* item : {&left, &right}) {
            item->Abilities[0] = 43;
            item->AbilityValues[0] = item == &left ? 12 : 30;
            item->Abilities[1] = 22;
            item->AbilityValues[1] = 2;
        }
        ChosenItems l{}, rr{};
        l[Head] = &left;
        rr[Head] = &right;
        const SetComparison c = CompareSets(l, {"0", "0", "100"}, rr, {"0", "0", "100"}, '.', Scale{});
        std::map<std::string, std::string> difference;
        for (const CompareRow& row : c.Rows) difference[row.Stat] = row.Difference;
        EXPECT_EQ(difference["Armour class"], r.AC);
        EXPECT_EQ(difference["Damage resistance"], r.DR);
        EXPECT_EQ(difference.count(GetFlagName(43)), 0u);
        EXPECT_EQ(difference[GetFlagName(22)], "0");
    }
}
