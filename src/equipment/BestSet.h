#pragma once
// The best set: of all the sets the slot lists allow, the one whose items score highest for the
// player's weights while the load stays within a chosen encumbrance category.
//
// One item or none per slot and one shared load: a multiple-choice knapsack, whose capacity also
// depends on the chosen items, since their encumbrance bonuses raise what the character carries.
// It is solved exactly: per slot, the items another item beats on every count (lighter or as
// light, as much bonus or more, as high a score or higher) are dropped; then the slots are taken
// one by one, keeping every partial set that no other partial set beats on load, bonus and score.
// Sums are 64-bit, scores 128-bit: nothing overflows, nothing is rounded.

#include "equipment/Encumbrance.h"
#include "equipment/SlotLists.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

using SetScore = __int128;

// What the player wants, as weights in hundredths ("1.5" is 150); 0 is "do not care", negatives
// count against.
struct ScoreWeights {
    int32_t ArmourClass = 100, DamageResist = 100, Accuracy = 0, Crits = 0, Stealth = 0, MagicRes = 0, Dodge = 0,
            MaxDamage = 0;
    std::map<int32_t, int32_t> Abilities;  // ability code -> weight
};

// A weight as the player types it: a sign and up to two decimals after "." or sep, within 32 bits
// of hundredths; nothing for any other text.
std::optional<int32_t> ReadWeight(std::string_view text, char sep);

// An item's score in thousandths: a weight in hundredths times a figure in tenths (armour class
// and damage resistance come in tenths, the other figures are whole).
SetScore ItemScore(const TItem& item, const ScoreWeights& weights);
// A score in thousandths as the window shows it, exact: "12.3", "-0.25", "6".
std::string ScoreText(SetScore thousandths, char sep = '.');

enum class LoadBound { None, Light, Medium, NoLimit };

struct BestSetQuestion {
    const SlotLists* Lists = nullptr;
    std::array<std::optional<int>, kSlotCount> Kept;  // a kept slot keeps this entry (0: empty)
    ScoreWeights Weights;
    LoadBound Bound = LoadBound::Medium;
    std::optional<int32_t> Strength;  // nothing when the strength box does not read: carries nothing
    int32_t MiscEncumbrance = 0;      // the load before any item
    bool SameRing = false;            // may both fingers wear the same ring
};

struct BestSetAnswer {
    bool Found = false;  // false when even the lightest admissible choice breaks the bound
    bool Cancelled = false;
    std::array<int, kSlotCount> Picks{};  // the entry of each slot's list (0: "*None*")
    SetScore Score = 0;
    std::optional<SetScore> RunnerUp;  // the best score of any other admissible set
    int64_t Load = 0;
    int32_t MaxEncumbrance = 0;
    EncumbranceCategory Category = EncumbranceCategory::None;
};

// Called between steps with the steps done and the steps in all; false stops the search.
using SearchProgress = std::function<bool(int done, int steps)>;

// The best admissible set. Ties go to the lighter set, then to the larger encumbrance bonus, then
// to a fixed order of the lists' entries (a ring alone goes to the first finger), so the same
// question always gets the same answer. The runner-up is the best of the searches that each bar
// the answer's choice in one slot (or its pair of rings): any other set differs there.
BestSetAnswer SolveBestSet(const BestSetQuestion& question, const SearchProgress& progress = nullptr);

// The load a set may reach within the bound for this total encumbrance bonus, as the equipment
// page works it out; nothing when the page could not (a bonus or maximum past 32 bits).
std::optional<int64_t> LoadAllowed(const BestSetQuestion& question, int64_t bonus);

}  // namespace vantor
