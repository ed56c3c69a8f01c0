// The best set on the 100,000-item database with every item usable, under the "Medium" bound at
// strength 100 and 300, and again with two totals capped, beside one plain pass over the items
// that scores each.
#include "BenchUtil.h"
#include "equipment/BestSet.h"
#include "lists/LoadRecords.h"

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
    // Stealth and magic resistance count, each up to a cap.
    q.Weights.Features[kStealth] = {100, 300};
    q.Weights.Features[kMR] = {150, 400};
    solve("two caps");
    return sink == 42 ? 1 : 0;
}
