#include "equipment/Encumbrance.h"

#include "data/Checked.h"
#include "data/Errors.h"

#include <cstdint>

namespace vantor {

int32_t MaxEncumbrance(int32_t strength, int32_t modifierPercent)
{
    int32_t base = CheckedMul(strength, 48);
    if (strength > 100) base = CheckedAdd(base, CheckedMul(CheckedSub(strength, 100), 36));
    return CheckedDiv(CheckedMul(base, CheckedAdd(modifierPercent, 100)), 100);
}

std::optional<int32_t> MaxEncumbranceIfAny(int32_t strength, int64_t modifierPercent)
{
    if (modifierPercent < INT32_MIN || modifierPercent > INT32_MAX) return std::nullopt;
    try {
        return MaxEncumbrance(strength, static_cast<int32_t>(modifierPercent));
    } catch (const EIntOverflow&) {
        return std::nullopt;
    }
}

EncumbranceLimits LimitsOf(int32_t maxEncumbrance)
{
    // In 64 bits the products cannot overflow, and each share of a 32-bit maximum fits 32 bits.
    const auto share = [maxEncumbrance](int64_t percent) {
        return static_cast<int32_t>(int64_t{maxEncumbrance} * percent / 100);
    };
    return {share(kNonePercent), share(kLightPercent), share(kMediumPercent)};
}

EncumbranceCategory CategoryOf(int32_t load, const EncumbranceLimits& limits)
{
    if (load > limits.Medium) return EncumbranceCategory::Heavy;
    if (load > limits.Light) return EncumbranceCategory::Medium;
    if (load > limits.None) return EncumbranceCategory::Light;
    return EncumbranceCategory::None;
}

const char* CategoryName(EncumbranceCategory c)
{
    switch (c) {
    case EncumbranceCategory::Heavy: return "Heavy";
    case EncumbranceCategory::Medium: return "Medium";
    case EncumbranceCategory::Light: return "Light";
    default: return "None";
    }
}

}  // namespace vantor
