#pragma once
// Conditions on what an item gives: "Stealth >= 5", "Resist Fire = 0". An item passes when it
// meets every one.

#include "data/Features.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

enum class Relation { AtLeast, AtMost, Equal };
// ">=", "<=" and "=".
const char* ComparisonText(Relation c);

struct Condition {
    // A feature as the equipment page adds it, or, when Feature is kFeatureCount, the sum of the
    // values of every code named Ability.
    Feature What = kFeatureCount;
    std::string Ability;
    Relation Op = Relation::AtLeast;
    int64_t Tenths = 0;  // the value compared with, in tenths
};

// The value typed for a condition, in tenths: a whole number, or for AC and DR (which have one
// decimal) a number with at most one decimal after "." or sep. Nothing for any other text.
std::optional<int64_t> ReadConditionValue(const Condition& condition, std::string_view text, char sep);

class ItemConditions {
public:
    explicit ItemConditions(const std::vector<Condition>& conditions);
    bool Empty() const { return tests_.empty(); }
    bool Passes(const TItem& item) const;

private:
    struct Test {
        Condition Is;
        AbilityCodes Codes;  // of an ability's name
    };
    std::vector<Test> tests_;
};

}  // namespace vantor
