#pragma once
// What an item gives, by name: the features the equipment page adds up (armour class, damage
// resistance, accuracy ...) and the abilities of the code tables, one name for every code that
// carries it.

#include "data/GameData.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The features of a set the equipment page adds up, in the order the dialogs show them.
enum Feature : int { kAC, kDR, kAccuracy, kCrits, kStealth, kMR, kDodge, kMaxDmg, kFeatureCount };
// Their names: "AC", "DR", "Accuracy", "Crits", "Stealth", "MR", "Dodge", "Max Dmg".
const char* FeatureName(Feature f);
// The item's figure for the feature as the equipment page adds it, in tenths (AC and DR have
// one decimal, the others are whole).
int64_t FeatureTenths(const TItem& item, Feature f);

// Every ability name of the code tables once, sorted.
const std::vector<std::string>& AbilityNames();
// The codes 1..200 named name, marked by code.
using AbilityCodes = std::array<bool, 201>;
AbilityCodes CodesNamed(std::string_view name);
// The sum of the item's values over its slots whose code is marked (0 without any).
int64_t AbilityTotal(const TItem& item, const AbilityCodes& codes);

}  // namespace vantor
