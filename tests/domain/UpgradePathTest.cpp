#include "equipment/UpgradePath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace vantor;

namespace {

// The set "Best set..." finds after the equipment filter for this character: the reference each
// point of a plan must equal.
struct OneSolve {
    SlotLists Lists;
    BestSetAnswer Answer;
    ChosenItems Set{};

    OneSolve(const PlanQuestion& q, int32_t level, LoadBound bound, std::optional<int32_t> strength)
    {
        const Profile character(q.ClassCode, std::to_string(level), q.Good, q.Neutral, q.Evil);
        FillSlotLists(
            *q.Items, [&](const TItem& item) { return MetClassFilter(item, character) && (!q.Owned || q.Owned(item)); },
            Lists, nullptr);
        BestSetQuestion ask;
        ask.Lists = &Lists;
        ask.Weights = q.Weights;
        ask.Bound = bound;
        ask.Strength = strength;
        ask.MiscEncumbrance = q.MiscEncumbrance;
        Answer = SolveBestSet(ask, nullptr, false);
        if (Answer.Found) Set = ChosenOf(ask, Answer.Picks);
    }
};

TItem Named(const std::string& name, int32_t worn, int32_t type = 0)
{
    TItem item;
    item.Name = name;
    item.WornSlot = worn;
    item.ItemType = type;
    return item;
}

}  // namespace

TEST(UpgradePath, EveryPointIsTheBestSetOfItsLevelAndStrength)
{
    std::mt19937 random(20261209);
    const auto pickIn = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 120; ++round) {
        ItemList items;
        // Heads, torsos, rings and weapons of many levels, some for one class, some bound to good.
        for (int n = pickIn(4, 30); n > 0; --n) {
            const int kind = pickIn(0, 3);
            TItem item = Named("item " + std::to_string(pickIn(0, 9)),
                               kind == 0   ? 2
                               : kind == 1 ? 11
                                           : 4,
                               kind == 3 ? 1 : 0);
            item.MinLevel = pickIn(0, 12);
            item.Weight = pickIn(0, 40);
            item.ArmourClass = pickIn(0, 60) / 10.0;
            item.EncumbranceBonus = pickIn(0, 4) == 0 ? pickIn(-20, 40) : 0;
            item.Crits = pickIn(-2, 6);
            item.Abilities.Set(0, 22);
            item.AbilityValues.Set(0, pickIn(-3, 9));
            if (pickIn(0, 5) == 0) item.ClassOnly.Set(0, 2);
            if (pickIn(0, 5) == 0) item.Abilities.Set(1, 98);  // not for good characters
            items.push_back(std::move(item));
        }
        PlanQuestion q;
        q.Items = &items;
        q.ClassCode = pickIn(0, 2);
        q.Good = pickIn(0, 1) == 1;
        Scale& w = q.Weights;
        w.Features[kAC].Hundredths = pickIn(-100, 500);
        w.Features[kCrits].Hundredths = pickIn(-199, 199);
        w.Abilities["Accuracy"].Hundredths = pickIn(-250, 500);
        if (pickIn(0, 3) == 0) w.Features[kAC].CapTenths = pickIn(0, 120);
        q.Bound = static_cast<LoadBound>(pickIn(0, 3));
        if (pickIn(0, 9) > 0) q.Strength = pickIn(0, 3);
        q.MiscEncumbrance = pickIn(-10, 20);
        if (pickIn(0, 2) == 0)  // planned from what the character owns: some of the items
            q.Owned = [](const TItem& item) { return item.Weight % 3 != 0; };
        SCOPED_TRACE(round);

        const int32_t from = pickIn(0, 5), to = from + pickIn(0, 9);
        const UpgradePath path = SolveUpgradePath(q, from, to);
        ASSERT_EQ(path.Levels.size(), static_cast<size_t>(to - from + 1));
        for (const PlanPoint& p : path.Levels) {
            const OneSolve truth(q, p.Level, q.Bound, q.Strength);
            ASSERT_EQ(p.Found, truth.Answer.Found) << "level " << p.Level;
            EXPECT_TRUE(p.Score == truth.Answer.Score) << "level " << p.Level;
            EXPECT_EQ(p.Set, truth.Set) << "level " << p.Level;
        }

        const int32_t strFrom = pickIn(0, 3), step = pickIn(1, 3), strTo = strFrom + pickIn(0, 8);
        const int32_t level = pickIn(0, 12);
        std::vector<double> progress;  // it only goes forward
        const StrengthTable table = SolveStrengthTable(q, level, strFrom, strTo, step, [&](int done, int steps) {
            progress.push_back(static_cast<double>(done) / steps);
            return true;
        });
        EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
        ASSERT_EQ(table.Points.size(), static_cast<size_t>(*PlanPointCount(strFrom, strTo, step)));
        for (const StrengthPoint& p : table.Points)
            for (size_t b = 0; b < 3; ++b) {
                const OneSolve truth(q, level, static_cast<LoadBound>(b), p.Strength);
                ASSERT_EQ(p.Scores[b].has_value(), truth.Answer.Found) << "strength " << p.Strength;
                if (p.Scores[b]) {
                    EXPECT_TRUE(*p.Scores[b] == truth.Answer.Score) << "strength " << p.Strength;
                }
            }
    }
}

TEST(UpgradePath, RowsChangesAndRanges)
{
    const TItem cap = Named("Leather Cap", 2), helm = Named("Iron Helm", 2), gold = Named("Gold Ring", 4),
                silver = Named("Silver Ring", 4);
    const auto set = [](std::initializer_list<std::pair<Slot, const TItem*>> worn) {
        ChosenItems s{};
        for (const auto& [slot, item] : worn) s[slot] = item;
        return s;
    };
    const ChosenItems a = set({{Head, &cap}}), b = set({{Head, &helm}, {Finger1, &gold}}),
                      c = set({{Head, &helm}, {Finger1, &gold}, {Finger2, &silver}}),
                      swapped = set({{Head, &helm}, {Finger1, &silver}, {Finger2, &gold}});
    EXPECT_EQ(ChangesText(a, b), "Head: Leather Cap -> Iron Helm; Finger1: *None* -> Gold Ring");
    EXPECT_EQ(ChangesText(c, a), "Head: Iron Helm -> Leather Cap; Finger1: Gold Ring -> *None*; "
                                 "Finger2: Silver Ring -> *None*");
    EXPECT_EQ(ChangesText(b, b), "");

    // A row for the first level and for each change; swapped rings and a level without a set.
    const std::vector<PlanPoint> levels{{1, true, 5, a},   {2, true, 5, a},   {3, true, 9, c}, {4, true, 9, swapped},
                                        {5, false, 0, {}}, {6, false, 0, {}}, {7, true, 9, c}};
    EXPECT_EQ(PathChanges(levels), (std::vector<size_t>{0, 2, 4, 6}));
    EXPECT_TRUE(PathChanges({}).empty());

    struct Range {
        int32_t From, To, Step;
        std::optional<int64_t> Count;
    };
    for (const Range& r : std::initializer_list<Range>{{1, 75, 1, 75},
                                                       {50, 200, 10, 16},
                                                       {5, 5, 1, 1},
                                                       {5, 4, 1, std::nullopt},
                                                       {1, 9, 0, std::nullopt},
                                                       {0, INT32_MAX, 1, int64_t{INT32_MAX} + 1},
                                                       {INT32_MIN, INT32_MAX, INT32_MAX, 3}})
        EXPECT_EQ(PlanPointCount(r.From, r.To, r.Step), r.Count) << r.From << ".." << r.To << " by " << r.Step;
    // More points than a plan takes: nothing is searched.
    ItemList none;
    PlanQuestion q;
    q.Items = &none;
    EXPECT_TRUE(SolveUpgradePath(q, 1, kMaxPlanPoints + 1).Levels.empty());
    EXPECT_EQ(SolveUpgradePath(q, 1, kMaxPlanPoints).Levels.size(), size_t{kMaxPlanPoints});
    EXPECT_TRUE(SolveStrengthTable(q, 1, 0, 1000, 1).Points.empty());
    // A stop asked for is heeded at the next step.
    int calls = 0;
    EXPECT_TRUE(SolveUpgradePath(q, 1, 10, [&](int, int) { return ++calls < 3; }).Cancelled);
    EXPECT_EQ(calls, 3);
    calls = 0;
    EXPECT_TRUE(SolveStrengthTable(q, 1, 0, 100, 10, [&](int, int) { return ++calls < 5; }).Cancelled);
    EXPECT_EQ(calls, 5);
}
