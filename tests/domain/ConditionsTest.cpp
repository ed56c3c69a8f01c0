#include "filters/Conditions.h"

#include <gtest/gtest.h>

using namespace vantor;

namespace {

Condition On(Feature f, Relation op, int64_t tenths) { return {f, {}, op, tenths}; }
Condition On(const char* ability, Relation op, int64_t tenths) { return {kFeatureCount, ability, op, tenths}; }

constexpr Relation kAtLeast = Relation::AtLeast, kAtMost = Relation::AtMost, kEqual = Relation::Equal;

}  // namespace

TEST(Conditions, AnItemPassesWhenItMeetsEveryCondition)
{
    TItem item;
    item.ArmourClass = 2.5;
    item.DamageResist = 0.3;
    item.Stealth = 5;
    item.Accuracy = 1;                                   // the feature, apart from the abilities named "Accuracy"
    item.Abilities[0] = 22, item.AbilityValues[0] = 3;   // "Accuracy"
    item.Abilities[4] = 105, item.AbilityValues[4] = 2;  // "Accuracy" again
    item.Abilities[5] = 2, item.AbilityValues[5] = -4;   // "AC"
    item.Abilities[9] = 10, item.AbilityValues[9] = 1;   // "AC" again
    const struct {
        const char* What;
        std::vector<Condition> Conditions;
        bool Passes;
    } rows[] = {
        {"no condition", {}, true},
        {"AC at its edge", {On(kAC, kAtLeast, 25)}, true},
        {"AC a tenth short", {On(kAC, kAtLeast, 26)}, false},
        {"DR at most, at its edge", {On(kDR, kAtMost, 3)}, true},
        {"DR at most, a tenth under", {On(kDR, kAtMost, 2)}, false},
        {"stealth equal", {On(kStealth, kEqual, 50)}, true},
        {"stealth not equal", {On(kStealth, kEqual, 40)}, false},
        {"the accuracy feature", {On(kAccuracy, kEqual, 10)}, true},
        {"accuracy by name sums both codes", {On("Accuracy", kEqual, 50)}, true},
        {"accuracy by name, one more", {On("Accuracy", kAtLeast, 60)}, false},
        {"a negative sum", {On("AC", kAtMost, -30)}, true},
        {"a negative sum is not at least -2", {On("AC", kAtLeast, -20)}, false},
        {"an ability it lacks is 0", {On("Resist Fire", kEqual, 0)}, true},
        {"an ability it lacks is not below 0", {On("Resist Fire", kAtMost, -10)}, false},
        {"every condition holds", {On(kAC, kAtLeast, 20), On("Accuracy", kAtLeast, 50), On(kDodge, kEqual, 0)}, true},
        {"one of three fails", {On(kAC, kAtLeast, 20), On("Accuracy", kAtLeast, 50), On(kDodge, kEqual, 10)}, false},
    };
    for (const auto& r : rows) {
        const ItemConditions conditions(r.Conditions);
        EXPECT_EQ(conditions.Empty(), r.Conditions.empty()) << r.What;
        EXPECT_EQ(conditions.Passes(item), r.Passes) << r.What;
    }
}

TEST(Conditions, ValuesAreWholeOrTenthsForArmourClassAndResistance)
{
    const struct {
        Feature What;
        const char* Text;
        char Sep;
        std::optional<int64_t> Tenths;
    } rows[] = {
        {kStealth, "5", '.', 50},
        {kStealth, " 7 ", '.', 70},
        {kStealth, "-2", '.', -20},
        {kStealth, "+3", '.', 30},
        {kStealth, "2.5", '.', {}},
        {kStealth, "", '.', {}},
        {kStealth, "abc", '.', {}},
        {kStealth, "1e3", '.', {}},
        {kStealth, "-", '.', {}},
        {kAC, "2.5", '.', 25},
        {kAC, "2,5", ',', 25},
        {kDR, "-0.5", '.', -5},
        {kAC, "2.55", '.', {}},
        {kAC, "3", '.', 30},
        {kStealth, "1000000000000000", '.', 10'000'000'000'000'000},
        {kStealth, "1000000000000001", '.', {}},
        {kFeatureCount, "12", '.', 120},
        {kFeatureCount, "1.5", '.', {}},
    };
    for (const auto& r : rows) {
        Condition c;
        c.What = r.What;
        EXPECT_EQ(ReadConditionValue(c, r.Text, r.Sep), r.Tenths) << r.Text;
    }
    EXPECT_STREQ(ComparisonText(kAtLeast), ">=");
    EXPECT_STREQ(ComparisonText(kAtMost), "<=");
    EXPECT_STREQ(ComparisonText(kEqual), "=");
}
