// The best set on the 100,000-item database with every item usable, under the "Medium" bound at
// strength 100 and 300, beside one plain pass over the items that scores each.
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
    q.Weights.Crits = 2;
    q.Weights.Abilities[22] = 1;
    q.Bound = LoadBound::Medium;
    SetScore sink = 0;
    const double pass = bench::BestSeconds(5, [&] {
        for (const TItem& item : items) sink += ItemScore(item, q.Weights) + item.Weight;
    });
    std::printf("one pass over the items:     %8.2f ms\n", pass * 1e3);
    for (const int32_t strength : {100, 300}) {
        q.Strength = strength;
        BestSetAnswer a;
        const double t = bench::BestSeconds(3, [&] { a = SolveBestSet(q); });
        std::printf("best set, Medium, str %3d:   %8.2f ms (%.1fx the pass), score %s, runner-up %s, load %lld of %d\n",
                    strength, t * 1e3, t / pass, ScoreText(a.Score).c_str(),
                    a.RunnerUp ? ScoreText(*a.RunnerUp).c_str() : "-", static_cast<long long>(a.Load),
                    a.MaxEncumbrance);
    }
    return sink == 42 ? 1 : 0;
}
