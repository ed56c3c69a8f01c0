// Choosing a set from the game's listing, and copying a set so that it reads back.
#include "TestItems.h"
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
using testitems::Armour;
using testitems::Texts;
using testitems::WithType;

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
