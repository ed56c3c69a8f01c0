#include "data/Features.h"

#include "data/CodeTables.h"

#include <cmath>
#include <set>

namespace vantor {

namespace {
constexpr const char* kFeatureNames[kFeatureCount] = {"AC",      "DR", "Accuracy", "Crits",
                                                      "Stealth", "MR", "Dodge",    "Max Dmg"};
}  // namespace

const char* FeatureName(Feature f) { return kFeatureNames[f]; }

int64_t FeatureTenths(const TItem& item, Feature f)
{
    switch (f) {
    case kAC: return std::llround(item.ArmourClass * 10);
    case kDR: return std::llround(item.DamageResist * 10);
    case kAccuracy: return int64_t{item.Accuracy} * 10;
    case kCrits: return int64_t{item.Crits} * 10;
    case kStealth: return int64_t{item.Stealth} * 10;
    case kMR: return int64_t{item.MagicRes} * 10;
    case kDodge: return int64_t{item.Dodge} * 10;
    default: return int64_t{item.MaxDamageBonus} * 10;
    }
}

const std::vector<std::string>& AbilityNames()
{
    static const std::vector<std::string> kNames = [] {
        std::set<std::string> names;
        for (int32_t code = 1; code <= 200; ++code) {
            std::string name = GetFlagName(code);
            if (!name.empty() && name[0] != '?') names.insert(std::move(name));
        }
        return std::vector<std::string>(names.begin(), names.end());
    }();
    return kNames;
}

AbilityCodes CodesNamed(std::string_view name)
{
    AbilityCodes codes{};
    for (int32_t code = 1; code < static_cast<int32_t>(codes.size()); ++code)
        codes[static_cast<size_t>(code)] = GetFlagName(code) == name;
    return codes;
}

int64_t AbilityTotal(const TItem& item, const AbilityCodes& codes)
{
    int64_t total = 0;
    for (int i = 0; i < kSlots; ++i) {
        const int32_t code = item.Abilities[i];
        if (code > 0 && code < static_cast<int32_t>(codes.size()) && codes[static_cast<size_t>(code)])
            total += item.AbilityValues[i];
    }
    return total;
}

}  // namespace vantor
