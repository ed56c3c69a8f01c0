#include "equipment/BestSet.h"
#include "equipment/bestset/Ceilings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <limits>
#include <random>
#include <set>

using namespace vantor;

namespace {

TItem Gear(int32_t weight, double ac, int32_t bonus = 0, int32_t crits = 0)
{
    TItem item;
    item.Weight = weight;
    item.ArmourClass = ac;
    item.EncumbranceBonus = bonus;
    item.Crits = crits;
    return item;
}

// Every assignment of entries to slots, the admissible ones scored: the best score and the best
// score of any other set (a set being the items worn, the two rings in either order).
struct BruteForce {
    std::optional<SetScore> Best, RunnerUp;

    explicit BruteForce(const BestSetQuestion& q)
    {
        using Worn = std::vector<const TItem*>;
        std::map<Worn, SetScore> sets;
        std::array<int, kSlotCount> pick{};
        const SlotLists& lists = *q.Lists;
        while (true) {
            bool ok = true;
            int64_t load = q.MiscEncumbrance, bonus = 0;
            SetScore score = 0;
            Worn worn;
            for (int s = 0; s < kSlotCount; ++s) {
                const size_t i = static_cast<size_t>(s);
                if (q.Kept[i] && *q.Kept[i] != pick[i]) ok = false;
                const TItem* item = lists[i].Record(pick[i]);
                worn.push_back(item);
                if (!item) continue;
                load += item->Weight;
                bonus += item->EncumbranceBonus;
            }
            score = ScoreOf(ScoreTable(q.Weights), ChosenOf(q, pick));
            if (!q.SameRing && worn[Finger1] && worn[Finger1] == worn[Finger2]) ok = false;
            const bool fits = load >= INT32_MIN && load <= INT32_MAX && bonus >= INT32_MIN && bonus <= INT32_MAX;
            if (ok && fits) {
                const auto allowed = LoadAllowed(q, bonus);
                if (allowed && load <= *allowed) {
                    if (worn[Finger2] < worn[Finger1]) std::swap(worn[Finger1], worn[Finger2]);
                    sets[worn] = score;
                }
            }
            int s = 0;
            while (s < kSlotCount && ++pick[static_cast<size_t>(s)] == lists[static_cast<size_t>(s)].size())
                pick[static_cast<size_t>(s++)] = 0;
            if (s == kSlotCount) break;
        }
        std::vector<SetScore> scores;
        for (const auto& [worn, score] : sets) scores.push_back(score);
        std::sort(scores.rbegin(), scores.rend());
        if (!scores.empty()) Best = scores[0];
        if (scores.size() > 1) RunnerUp = scores[1];
    }
};

// The answer's set, checked as the page would add it up: its score and load are what it says, and
// it is one the question allows.
void ExpectAdmissible(const BestSetQuestion& q, const BestSetAnswer& a)
{
    int64_t load = q.MiscEncumbrance, bonus = 0;
    SetScore score = 0;
    for (int s = 0; s < kSlotCount; ++s) {
        const size_t i = static_cast<size_t>(s);
        if (q.Kept[i]) {
            EXPECT_EQ(a.Picks[i], *q.Kept[i]);
        }
        if (const TItem* item = (*q.Lists)[i].Record(a.Picks[i])) {
            load += item->Weight;
            bonus += item->EncumbranceBonus;
        }
    }
    score = ScoreOf(ScoreTable(q.Weights), ChosenOf(q, a.Picks));
    const TItem* left = (*q.Lists)[Finger1].Record(a.Picks[Finger1]);
    if (!q.SameRing && left) {
        EXPECT_NE(left, (*q.Lists)[Finger2].Record(a.Picks[Finger2]));
    }
    EXPECT_TRUE(score == a.Score);
    EXPECT_EQ(load, a.Load);
    const auto allowed = LoadAllowed(q, bonus);
    ASSERT_TRUE(allowed.has_value());
    EXPECT_LE(load, *allowed);
}

}  // namespace

TEST(BestSet, AgreesWithEverySetTried)
{
    std::mt19937 random(20261209);
    const auto pickIn = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 400; ++round) {
        std::deque<TItem> items;
        SlotLists lists;
        BestSetQuestion q;
        q.Lists = &lists;
        // A few slots with a few items each, the rings shared by both fingers; now and then loads
        // thirty times larger and strengths twenty times.
        const int large = pickIn(0, 7) == 0 ? 30 : 1;
        for (const int s : std::initializer_list<int>{Head, Torso, Weapon, Finger1, pickIn(0, kSlotCount - 1)}) {
            for (int n = pickIn(0, 3); n > 0; --n) {
                TItem& item = items.emplace_back(Gear(pickIn(-5, 40) * large, pickIn(-10, 60) / 10.0,
                                                      pickIn(0, 3) == 0 ? pickIn(-30, 40) : 0, pickIn(-2, 6)));
                item.Abilities[0] = 22;
                item.AbilityValues[0] = pickIn(-3, 9);
                lists[static_cast<size_t>(s)].AddFormated(item);
                if (s == Finger1) lists[Finger2].AddFormated(item);
            }
        }
        // Weights in hundredths, decimals and negatives among them; now and then a cap.
        Scale& w = q.Weights;
        w.Features[kAC].Hundredths = pickIn(-250, 500);
        w.Features[kDR].Hundredths = pickIn(0, 3) == 0 ? pickIn(-100, 100) : 0;
        w.Features[kCrits].Hundredths = pickIn(0, 1) ? pickIn(-2, 5) * 100 : pickIn(-199, 199);
        w.Abilities["Accuracy"].Hundredths = pickIn(-250, 500);
        // Caps below, at and above the totals a set reaches, on weights of either sign (mostly
        // for: every capped weight positive brings in the multiplier ceilings).
        for (Weight* x : {&w.Features[kAC], &w.Features[kCrits], &w.Abilities["Accuracy"]})
            if (pickIn(0, 1) == 0) {
                x->CapTenths = pickIn(-20, 120);
                if (pickIn(0, 2) > 0) x->Hundredths = std::abs(x->Hundredths);
            }
        q.Bound = static_cast<LoadBound>(pickIn(0, 3));
        if (pickIn(0, 9) > 0) q.Strength = pickIn(-1, 6) * (large > 1 ? 20 : 1);
        q.MiscEncumbrance = pickIn(-10, 20);
        q.SameRing = pickIn(0, 1) == 1;
        for (int s = 0; s < kSlotCount; ++s)
            if (pickIn(0, 7) == 0) q.Kept[static_cast<size_t>(s)] = pickIn(0, lists[static_cast<size_t>(s)].size() - 1);

        const BestSetAnswer a = SolveBestSet(q);
        const BruteForce truth(q);
        SCOPED_TRACE(round);
        ASSERT_EQ(a.Found, truth.Best.has_value());
        if (!a.Found) continue;
        EXPECT_TRUE(a.Score == *truth.Best) << ScoreText(a.Score) << " vs " << ScoreText(*truth.Best);
        EXPECT_EQ(a.RunnerUp.has_value(), truth.RunnerUp.has_value());
        if (a.RunnerUp && truth.RunnerUp) {
            EXPECT_TRUE(*a.RunnerUp == *truth.RunnerUp);
        }
        ExpectAdmissible(q, a);
    }
}

TEST(BestSet, BeatsTheBestItemOfEachSlot)
{
    // Strength 10 carries 480; "None" allows 81. The best helm and the best armour alone each fit,
    // together they do not: the best set takes the lighter pair with more armour class in all.
    std::deque<TItem> items = {Gear(80, 10), Gear(40, 6), Gear(80, 10), Gear(40, 6)};
    SlotLists lists;
    lists[Head].AddFormated(items[0]);
    lists[Head].AddFormated(items[1]);
    lists[Torso].AddFormated(items[2]);
    lists[Torso].AddFormated(items[3]);
    BestSetQuestion q;
    q.Lists = &lists;
    q.Weights = BuiltInScales()[0];  // AC and DR
    q.Strength = 10;
    q.Bound = LoadBound::None;
    BestSetAnswer a = SolveBestSet(q);
    EXPECT_EQ(a.Picks[Head], 2);
    EXPECT_EQ(a.Picks[Torso], 2);
    EXPECT_EQ(ScoreText(a.Score), "12");
    EXPECT_EQ(ScoreText(*a.RunnerUp), "10");
    EXPECT_EQ(a.Load, 80);
    EXPECT_EQ(a.Category, EncumbranceCategory::None);

    // A belt that raises what the character carries lets both heavy pieces in.
    TItem& belt = items.emplace_back(Gear(1, 0, 100));
    lists[Waist].AddFormated(belt);
    a = SolveBestSet(q);
    EXPECT_EQ(a.Picks[Head], 1);
    EXPECT_EQ(a.Picks[Torso], 1);
    EXPECT_EQ(a.Picks[Waist], 1);
    EXPECT_EQ(a.MaxEncumbrance, 960);

    // A kept slot keeps its pick, even empty; a cancelled search answers nothing.
    q.Kept[Waist] = 0;
    EXPECT_EQ(SolveBestSet(q).Picks[Head], 2);
    EXPECT_TRUE(SolveBestSet(q, [](int, int) { return false; }).Cancelled);
}

TEST(BestSet, RingsAndEdgesOfTheRange)
{
    // One ring better than the others: it is worn once unless the same ring may be worn twice.
    std::deque<TItem> items = {Gear(1, 5), Gear(1, 2), Gear(INT32_MAX, 1e8, INT32_MAX, INT32_MAX),
                               Gear(INT32_MIN, -1e8, INT32_MIN, INT32_MIN)};
    SlotLists lists;
    for (size_t i = 0; i < 2; ++i) {
        lists[Finger1].AddFormated(items[i]);
        lists[Finger2].AddFormated(items[i]);
    }
    BestSetQuestion q;
    q.Lists = &lists;
    q.Weights = BuiltInScales()[0];
    q.Bound = LoadBound::NoLimit;
    BestSetAnswer a = SolveBestSet(q);
    EXPECT_EQ(ScoreText(a.Score), "7");
    q.SameRing = true;
    EXPECT_EQ(ScoreText(SolveBestSet(q).Score), "10");

    // Values at the ends of the 32-bit range are neither dropped nor overflow.
    lists[Head].AddFormated(items[2]);
    lists[Neck].AddFormated(items[3]);
    q.Weights.Features[kCrits].Hundredths = INT32_MAX;
    q.Weights.Features[kAC].Hundredths = INT32_MIN;
    a = SolveBestSet(q);
    const BruteForce truth(q);
    ASSERT_TRUE(truth.Best.has_value());
    EXPECT_TRUE(a.Score == *truth.Best) << ScoreText(a.Score);
    ExpectAdmissible(q, a);
}

TEST(BestSet, WeightsAndScoresAreExactDecimals)
{
    const struct {
        const char* Typed;
        char Sep;
        std::optional<int32_t> Hundredths;
    } weights[] = {{"2", '.', 200},
                   {"-2", '.', -200},
                   {"1.5", '.', 150},
                   {" -0.25 ", '.', -25},
                   {"1,5", ',', 150},
                   {"1.5", ',', 150},
                   {"+3.", '.', 300},
                   {".5", '.', 50},
                   {"1,5", '.', {}},
                   {"abc", '.', {}},
                   {"1e3", '.', {}},
                   {"1.234", '.', {}},
                   {"", '.', {}},
                   {"-", '.', {}},
                   {"1.2.3", '.', {}},
                   {"--1", '.', {}},
                   {"21474836.47", '.', INT32_MAX},
                   {"-21474836.47", '.', -INT32_MAX},
                   {"21474836.48", '.', {}},
                   {"99999999999999999999999", '.', {}}};
    for (const auto& w : weights) EXPECT_EQ(ReadWeight(w.Typed, w.Sep), w.Hundredths) << w.Typed;
    EXPECT_EQ(ScoreText(-SetScore{1500}), "-1.5");
    EXPECT_EQ(ScoreText(-SetScore{250}, ','), "-0,25");
    EXPECT_EQ(ScoreText(SetScore{5}), "0.005");
    EXPECT_EQ(ScoreText(SetScore{0}), "0");
    EXPECT_EQ(ScoreText(SetScore{INT64_MAX} * 1000), "9223372036854775807");
    // AC 2.5 at weight 1.5 and stealth 3 at weight -0.25: 3.75 - 0.75; with stealth capped at 2,
    // 3.75 - 0.5.
    TItem item;
    item.ArmourClass = 2.5;
    item.Stealth = 3;
    Scale w;
    w.Features[kAC].Hundredths = 150;
    w.Features[kStealth].Hundredths = -25;
    ChosenItems worn{};
    worn[Head] = &item;
    EXPECT_EQ(ScoreText(ScoreOf(ScoreTable(w), worn)), "3");
    w.Features[kStealth].CapTenths = 20;
    EXPECT_EQ(ScoreText(ScoreOf(ScoreTable(w), worn)), "3.25");
}

TEST(BestSet, ASearchPastItsBudgetSaysSoInsteadOfTakingTheMemory)
{
    // Capped totals that differ in every slot keep many partial sets apart.
    std::deque<TItem> items;
    SlotLists lists;
    for (int s = 0; s < 6; ++s)
        for (int i = 1; i <= 6; ++i) {
            items.push_back(Gear(i, i * 0.3, 0, (i * 7 + s) % 11));
            items.back().Stealth = (i * 5 + s) % 13;
            lists[static_cast<size_t>(s)].AddFormated(items.back());
        }
    BestSetQuestion q;
    q.Lists = &lists;
    q.Weights = BuiltInScales()[0];
    q.Weights.Features[kAC].CapTenths = 50;
    q.Weights.Features[kCrits] = {100, 30};
    q.Weights.Features[kStealth] = {100, 40};
    q.Strength = 5;
    q.Bound = LoadBound::None;
    const BestSetAnswer whole = SolveBestSet(q);
    EXPECT_TRUE(whole.Score == *BruteForce(q).Best);
    q.MaxPartials = 20;
    EXPECT_THROW(SolveBestSet(q), ESearchTooLarge);
}

TEST(BestSet, CeilingsBoundTheBestWithinARoomInAnyUnit)
{
    using bestset::Ceiling;
    using bestset::Choice;
    std::mt19937 random(20261210);
    const auto pickIn = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 200; ++round) {
        std::vector<std::vector<Choice>> units(static_cast<size_t>(pickIn(1, 4)));
        const int spread = pickIn(0, 1) ? 10 : 30'000;  // whole loads, or past the table
        for (auto& unit : units)
            for (int n = pickIn(1, 4); n > 0; --n) unit.push_back({pickIn(-spread, spread), 0, pickIn(-50, 50)});
        const Ceiling ceiling(units, true, 256);
        // The best score of every pick within each room tried.
        for (int r = 0; r < 20; ++r) {
            const int64_t room = pickIn(-2 * spread, 4 * spread);
            std::optional<SetScore> best;
            std::vector<size_t> pick(units.size(), 0);
            while (true) {
                int64_t load = 0;
                SetScore score = 0;
                for (size_t u = 0; u < units.size(); ++u) {
                    load += units[u][pick[u]].Load;
                    score += units[u][pick[u]].Score;
                }
                if (load <= room && (!best || score > *best)) best = score;
                size_t u = 0;
                while (u < units.size() && ++pick[u] == units[u].size()) pick[u++] = 0;
                if (u == units.size()) break;
            }
            SCOPED_TRACE(testing::Message() << "round " << round << " room " << room);
            const SetScore within = ceiling.Within(0, room);
            if (ceiling.Exact()) {
                EXPECT_TRUE(within == best.value_or(bestset::kUnreachable));
            } else if (best) {
                EXPECT_TRUE(within >= *best);
            }
        }
    }
}
