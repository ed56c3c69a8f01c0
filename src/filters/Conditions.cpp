#include "filters/Conditions.h"

#include "data/Decimal.h"

namespace vantor {

const char* ComparisonText(Relation c)
{
    switch (c) {
    case Relation::AtLeast: return ">=";
    case Relation::AtMost: return "<=";
    default: return "=";
    }
}

std::optional<int64_t> ReadConditionValue(const Condition& condition, std::string_view text, char sep)
{
    // Fifteen digits reach far past any sum of ten 32-bit values.
    constexpr int64_t kLimit = 1'000'000'000'000'000;
    if (condition.What == kAC || condition.What == kDR) return ReadDecimal(text, sep, 1, kLimit);
    const auto whole = ReadDecimal(text, sep, 0, kLimit);
    if (!whole) return std::nullopt;
    return *whole * 10;
}

ItemConditions::ItemConditions(const std::vector<Condition>& conditions)
{
    for (const Condition& c : conditions)
        tests_.push_back({c, c.What == kFeatureCount ? CodesNamed(c.Ability) : AbilityCodes{}});
}

bool ItemConditions::Passes(const TItem& item) const
{
    for (const Test& t : tests_) {
        const int64_t value =
            t.Is.What == kFeatureCount ? AbilityTotal(item, t.Codes) * 10 : FeatureTenths(item, t.Is.What);
        const bool met = t.Is.Op == Relation::AtLeast  ? value >= t.Is.Tenths
                         : t.Is.Op == Relation::AtMost ? value <= t.Is.Tenths
                                                       : value == t.Is.Tenths;
        if (!met) return false;
    }
    return true;
}

}  // namespace vantor
