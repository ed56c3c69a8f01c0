#pragma once
// What a set of worn equipment adds up to: the readouts, the ability summary and each slot's hint.

#include "equipment/SlotLists.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

struct EquipmentTotals {
    double ArmourClass = 0;
    double DamageResist = 0;
    int32_t Accuracy = 0;
    int32_t Stealth = 0;
    int32_t Encumbrance = 0;
    int32_t EncumbranceBonus = 0;
    int32_t Crits = 0;
    int32_t MagicRes = 0;
    int32_t Dodge = 0;
    int32_t MaxDamageBonus = 0;
    std::array<int32_t, 201> Abilities{};  // by ability code 1..200; [0] unused
};

// The item of each slot (nullptr for an empty one), indexed by Slot.
using ChosenItems = std::array<const TItem*, kSlotCount>;

// What the totals start from: "Misc. Enc" and "Misc. AC" when both are whole numbers, else 0 and 0.
struct StartValues {
    int32_t Encumbrance = 0, ArmourClass = 0;
};
StartValues ReadStartValues(std::string_view miscEnc, std::string_view miscAC);

// Adds up the chosen items. Encumbrance starts at miscEnc and armour class at miscAC when both are
// whole numbers; when either is not, both start at 0. A 32-bit total leaving its range raises
// EIntOverflow.
EquipmentTotals AddUpEquipment(const ChosenItems& chosen, std::string_view miscEnc, std::string_view miscAC);

// Whether a set's total of the ability is an amount worth showing; false for the abilities that
// describe an item rather than what it gives (Magical, Casts Spell, MinLevel, ...).
bool IsSummedAbility(int32_t code);

// "Name +n, Name -n, ..." over the ability codes 1..200 whose totals are not 0, leaving out the
// abilities that describe an item rather than what it gives (Magical, Casts Spell, MinLevel, ...).
std::string AbilitySummary(const EquipmentTotals& totals);

// A chosen item's ability text one ability per line, as a slot's hint.
std::string SlotHint(const TItem& item);

}  // namespace vantor
