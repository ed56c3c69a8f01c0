// The best set on the 100,000-item database with every item usable, under the "Medium" bound at
// strength 100 and 300, and again with two totals capped; then where the bound binds ("None" at
// strength 30, "Light" at 60) without caps and with three and five; beside one plain pass over the
// items that scores each; and what to hunt next for a character owning a third of the items.
#include "BenchUtil.h"
#include "equipment/BestSet.h"
#include "equipment/HuntNext.h"
#include "equipment/UpgradePath.h"
#include "lists/LoadRecords.h"

#include <chrono>
#include <tuple>

using namespace vantor;

int main()
{
    bench::LargeData data;
    SpellList spells;
    ItemList items;
    LoadRecords(data.Dir(), spells, items, nullptr);
    SlotLists lists;
    FillSlotLists(items, {}, lists, nullptr);
    size_t candidates = 0;
    for (const SlotList& list : lists) candidates += static_cast<size_t>(list.size());
    std::printf("%zu items, %zu slot entries (about %zu a slot)\n", items.size(), candidates, candidates / kSlotCount);

    BestSetQuestion q;
    q.Lists = &lists;
    q.Weights = BuiltInScales()[0];  // AC and DR
    q.Weights.Features[kCrits].Hundredths = 200;
    q.Weights.Abilities["Accuracy"].Hundredths = 100;
    q.Bound = LoadBound::Medium;
    SetScore sink = 0;
    const ScoreTable table(q.Weights);
    std::vector<int64_t> totals(table.Dimensions());
    const double pass = bench::BestSeconds(5, [&] {
        for (const TItem& item : items) {
            std::fill(totals.begin(), totals.end(), 0);
            table.Add(item, 1, totals);
            sink += table.Score(totals) + item.Weight;
        }
    });
    std::printf("one pass over the items:     %8.2f ms\n", pass * 1e3);
    // Planning ahead, beside one solve without its runner-up on the same lists at the same strength.
    const auto plan = [&](const char* what) {
        q.Strength = 100;
        BestSetAnswer a;
        const double one = bench::BestSeconds(3, [&] { a = SolveBestSet(q, nullptr, false); });
        PlanQuestion plan;
        plan.Items = &items;
        plan.ClassCode = 1;
        plan.Weights = q.Weights;
        plan.Strength = 100;
        UpgradePath path;
        const double levels = bench::BestSeconds(1, [&] { path = SolveUpgradePath(plan, 1, 75); });
        StrengthTable strength;
        const double table = bench::BestSeconds(1, [&] { strength = SolveStrengthTable(plan, 75, 50, 200, 10); });
        // A stop asked for a quarter of a second into the path: how long until the path returns.
        using Clock = std::chrono::steady_clock;
        const Clock::time_point start = Clock::now();
        Clock::time_point asked{};
        SolveUpgradePath(plan, 1, 75, [&](int, int) {
            if (Clock::now() - start < std::chrono::milliseconds(250)) return true;
            if (asked == Clock::time_point{}) asked = Clock::now();
            return false;
        });
        const double stopped = std::chrono::duration<double>(Clock::now() - asked).count();
        if (asked == Clock::time_point{})
            std::printf("%s: the path ends before a stop is asked\n", what);
        else
            std::printf("%s: a stop heeded after %.2f ms\n", what, stopped * 1e3);
        std::printf("%s: one solve without runner-up %.2f ms; upgrade path, levels 1-75, %.2f ms (%.1f solves, %zu "
                    "sets); strength table, 16 x 3, %.2f ms (%.1f solves)\n",
                    what, one * 1e3, levels * 1e3, levels / one, PathChanges(path.Levels).size(), table * 1e3,
                    table / one);
    };
    const auto solve = [&](const char* what) {
        for (const int32_t strength : {100, 300}) {
            q.Strength = strength;
            BestSetAnswer a;
            const double t = bench::BestSeconds(3, [&] { a = SolveBestSet(q); });
            std::printf("best set, %s, str %3d: %8.2f ms (%.1fx the pass), score %s, runner-up %s, load %lld of %d\n",
                        what, strength, t * 1e3, t / pass, ScoreText(a.Score).c_str(),
                        a.RunnerUp ? ScoreText(*a.RunnerUp).c_str() : "-", static_cast<long long>(a.Load),
                        a.MaxEncumbrance);
        }
    };
    solve("Medium");
    plan("Medium");
    // Stealth and magic resistance count, each up to a cap.
    q.Weights.Features[kStealth] = {100, 300};
    q.Weights.Features[kMR] = {150, 400};
    solve("two caps");
    plan("two caps");
    // What to hunt next for a character owning every third item, with the two caps.
    {
        q.Strength = 100;
        const auto owned = [&items](const TItem& item) { return (item.Number % 3) == 0; };
        HuntAnswer hunt;
        const double t = bench::BestSeconds(1, [&] { hunt = WhatToGetNext(q, owned); });
        std::printf("what to get next, two caps, every third item owned: %8.2f ms (%.1fx the pass), %zu items "
                    "weighed, owned best %s, best %s\n",
                    t * 1e3, t / pass, hunt.Rows.size(), ScoreText(hunt.Owned.Score).c_str(),
                    ScoreText(hunt.Everything.Score).c_str());
    }
    // Where the bound binds: "None" at strength 30 and "Light" at strength 60, without caps and
    // with three and five capped features (AC, Stealth, MR, then Dodge and an ability by name).
    const auto binding = [&](const char* what) {
        for (const auto& [bound, strength, name] :
             {std::tuple{LoadBound::None, 30, "None"}, std::tuple{LoadBound::Light, 60, "Light"}}) {
            q.Bound = bound;
            q.Strength = strength;
            BestSetAnswer a;
            double t = 0;
            try {
                t = bench::BestSeconds(1, [&] { a = SolveBestSet(q); });
            } catch (const ESearchTooLarge&) {
                std::printf("best set, %s, %s at str %d: too large to finish exactly\n", what, name, strength);
                continue;
            }
            std::printf("best set, %s, %s at str %d: %8.2f ms (%.1fx the pass), score %s, load %lld of %d\n", what,
                        name, strength, t * 1e3, t / pass, ScoreText(a.Score).c_str(), static_cast<long long>(a.Load),
                        a.MaxEncumbrance);
        }
    };
    q.Weights = BuiltInScales()[0];
    q.Weights.Features[kCrits].Hundredths = 200;
    q.Weights.Abilities["Accuracy"].Hundredths = 100;
    binding("no caps");
    q.Weights.Features[kAC].CapTenths = 400;
    q.Weights.Features[kStealth] = {100, 300};
    q.Weights.Features[kMR] = {150, 400};
    binding("three caps");
    q.Weights.Features[kDodge] = {100, 150};
    q.Weights.Abilities["Accuracy"].CapTenths = 200;
    binding("five caps");
    return sink == 42 ? 1 : 0;
}
