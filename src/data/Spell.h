#pragma once
// One spell of the game's spell exports.

#include "data/Item.h"

#include <cstdint>
#include <string>

namespace vantor {

struct TSpell {
    int32_t Number = 0;
    std::string Name;
    int32_t LevelCap = 0;
    int32_t Energy = 0;
    int32_t Level = 0;
    int32_t MinValue = 0;
    int32_t MaxValue = 0;
    int32_t SpellType = 0;
    int32_t Difficulty = 0;
    int32_t CasterType = 0;
    int32_t Mana = 0;
    int32_t MinIncrement = 0;
    int32_t MinLevelStep = 0;
    int32_t MaxIncrement = 0;
    int32_t MaxLevelStep = 0;
    int32_t MagicLevel = 0;
    bool LevelCapFlag = false;
    Slots Abilities{};
    Slots AbilityValues{};
    int32_t Targets = 0;
    int32_t Duration = 0;
    int32_t Element = 0;
    std::string Code;
    int32_t DurationIncrement = 0;
    int32_t DurationLevelStep = 0;
    std::string Notes;        // full description
    std::string Basics;       // one-line effect summary
    int64_t MaxDuration = 0;  // exact, whatever the increments
};

}  // namespace vantor
