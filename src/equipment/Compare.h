#pragma once
// An item beside the one worn in the slot it would take, stat by stat, and what the swap does to
// the set's encumbrance category.

#include "equipment/Encumbrance.h"
#include "equipment/Scale.h"
#include "equipment/Totals.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The slots an item can be compared in: each slot whose list offers it (both fingers for a ring,
// the weapon slot for a weapon).
std::vector<Slot> CompareSlots(const TItem& item);

struct CompareRow {
    std::string Stat;
    std::string Item, Worn, Difference;  // as shown; blank for an ability one side lacks
    int Better = 0;                      // 1: the item's value is better, -1: the worn one's, 0: neither
};

// What the equipment page's boxes hold that the category rests on.
struct SetInputs {
    std::string MiscEnc, MiscAC, Strength;
};

struct Comparison {
    Slot Target = Head;
    std::vector<CompareRow> Rows;
    // The category the page shows now and after the swap; nothing when the page could not add the
    // set up (a total past 32 bits).
    std::optional<EncumbranceCategory> Before, After;
    // The set's score under the scale asked for, now and after the swap.
    std::optional<__int128> ScoreBefore, ScoreAfter;
};

// The set's encumbrance category as the page shows it: the load against the limits of what the
// strength carries with the set's encumbrance bonus (a maximum that cannot be worked out is 0).
EncumbranceCategory CategoryOfSet(const EquipmentTotals& totals, std::string_view strength);

// item against what chosen holds in target (nothing there: an empty slot), one row per quantity:
// armour class, damage resistance, encumbrance, encumbrance bonus, accuracy, crits, stealth, magic
// resistance, dodge, max damage and the level needed (a figure and the ability it is read from
// are one row), then every other ability of either item. Higher is better, except for the
// encumbrance and the level needed.
// With a scale, also the set's score under it before and after.
Comparison CompareWithWorn(const TItem& item, Slot target, const ChosenItems& chosen, const SetInputs& in,
                           char decimalSep, const Scale* scale = nullptr);

// Two whole sets, each with its own inputs: a row per quantity of their totals as the Equipment
// page adds them (the level needed: the most any item needs), then every other ability either
// set's total holds; each set's category and its score under the scale. No rows when a set
// cannot be added up.
struct SetComparison {
    std::vector<CompareRow> Rows;
    std::optional<EncumbranceCategory> Left, Right;
    SetScore LeftScore = 0, RightScore = 0;
};
SetComparison CompareSets(const ChosenItems& left, const SetInputs& leftIn, const ChosenItems& right,
                          const SetInputs& rightIn, char decimalSep, const Scale& scale);

// The scores' line, as a player reads it: "Score under "Tank": 12.5 now, 14 after the swap (+1.5)";
// empty without scores.
std::string ScoreChange(const Comparison& comparison, const std::string& scaleName, char decimalSep);

// What the swap does to the category, as a player reads it: "Encumbrance stays None",
// "Encumbrance: Light now, Medium after the swap".
std::string CategoryChange(const Comparison& comparison);

}  // namespace vantor
