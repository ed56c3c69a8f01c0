#pragma once
// One item of the game's item export.

#include "data/PackedText.h"
#include "data/Slots.h"

#include <cstdint>
#include <string>

namespace vantor {

struct TItem {
    int32_t Number = 0;
    int32_t Limit = 0;
    std::string Name;
    int32_t MinDamage = 0;
    int32_t MaxDamage = 0;
    int32_t Speed = 0;
    int32_t StrengthReq = 0;
    double ArmourClass = 0;   // field 30 / 10
    double DamageResist = 0;  // (field 45 + every DR ability) / 10
    int32_t Accuracy = 0;
    int32_t MagicRes = 0;
    int32_t Stealth = 0;
    int32_t Crits = 0;
    int32_t Dodge = 0;
    int32_t MaxDamageBonus = 0;
    int32_t BSAccuracy = 0;
    int32_t Weight = 0;
    int32_t EncumbranceBonus = 0;
    int32_t MinLevel = 0;
    int32_t Magical = 0;
    int32_t HitMagic = 0;
    int32_t Spare16 = 0;
    int32_t Spare17 = 0;
    int32_t ItemType = 0;
    int32_t ArmourType = 0;
    int32_t WornSlot = 0;
    int32_t WeaponType = 0;
    PackedText Special;  // ability summary built by the reader
    Slots Abilities{};
    Slots AbilityValues{};
    Slots ClassOnly{};
    Slots Negates{};
    int32_t Spare58 = 0;
    int32_t Spare59 = 0;

    // The classes the item also allows: slot i holds AbilityValues[i] where Abilities[i] is 59
    // ("ClassOk"), else 0. Worked out from the abilities rather than kept.
    Slots ClassOk() const
    {
        Slots ok;
        for (size_t i = 0; i < Slots::size(); ++i)
            if (Abilities[i] == 59) ok.Set(i, AbilityValues[i]);
        return ok;
    }
};

}  // namespace vantor
