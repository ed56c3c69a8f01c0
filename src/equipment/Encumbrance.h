#pragma once
// How much a character can carry, and how heavy the carried load is.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantor {

// The most a character of the given strength can carry with the set's encumbrance modifier (in
// percent): 48 per point of strength, 84 per point above 100, scaled by 100 + modifier percent.
// Raises EIntOverflow when it leaves the signed 32-bit range.
int32_t MaxEncumbrance(int32_t strength, int32_t modifierPercent);
// The same, or nothing where it cannot be worked out: a modifier or a maximum past 32 bits.
std::optional<int32_t> MaxEncumbranceIfAny(int32_t strength, int64_t modifierPercent);

// The highest load of each category: up to None is no encumbrance, up to Light light, up to
// Medium medium; above Medium is heavy.
struct EncumbranceLimits {
    int32_t None;
    int32_t Light;
    int32_t Medium;
};

// Each limit is this share of the maximum, in percent, rounded down.
constexpr int kNonePercent = 17, kLightPercent = 34, kMediumPercent = 67;

EncumbranceLimits LimitsOf(int32_t maxEncumbrance);

enum class EncumbranceCategory { None, Light, Medium, Heavy };

// A load equal to a limit stays in the lower category.
EncumbranceCategory CategoryOf(int32_t load, const EncumbranceLimits& limits);
const char* CategoryName(EncumbranceCategory c);

}  // namespace vantor
