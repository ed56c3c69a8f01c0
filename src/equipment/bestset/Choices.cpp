#include "equipment/bestset/Choices.h"

#include "equipment/bestset/Frontier.h"

#include <algorithm>

namespace vantor::bestset {

Extent ExtentOf(const std::vector<Choice>& choices)
{
    const Choice& f = choices.front();
    Extent e{f.Load, f.Load, f.Bonus, f.Bonus, f.Score};
    for (const Choice& c : choices) {
        e.LeastLoad = std::min(e.LeastLoad, c.Load);
        e.MostLoad = std::max(e.MostLoad, c.Load);
        e.LeastBonus = std::min(e.LeastBonus, c.Bonus);
        e.MostBonus = std::max(e.MostBonus, c.Bonus);
        e.BestScore = std::max(e.BestScore, c.Score);
    }
    return e;
}

int32_t MaximumFor(const BestSetQuestion& q, int64_t bonus)
{
    return q.Strength ? MaxEncumbranceIfAny(*q.Strength, bonus).value_or(0) : 0;
}

std::vector<Choice> RingPairs(std::vector<Choice> left, std::vector<Choice> right, const SlotLists& lists,
                              bool sameRing, bool compareBonus, const std::vector<int>& better, size_t caps)
{
    left = Frontier(std::move(left), compareBonus, better, 3);
    right = Frontier(std::move(right), compareBonus, better, 3);
    std::vector<Choice> out;
    for (const Choice& y : right)  // a ring alone goes to the first finger
        for (const Choice& x : left) {
            const TItem* ring = lists[Finger1].Record(x.First);
            if (ring && ring == lists[Finger2].Record(y.First) && !sameRing) continue;
            Choice pair{x.Load + y.Load, x.Bonus + y.Bonus, x.Score + y.Score, {}, x.First, y.First};
            for (size_t k = 0; k < caps; ++k) pair.Totals[k] = x.Totals[k] + y.Totals[k];
            out.push_back(pair);
        }
    return out;
}

bool SameItems(const Choice& c, const Choice& other, const SlotLists& lists, Slot first, int second)
{
    if (second < 0) return c.First == other.First;
    const TItem* c1 = lists[first].Record(c.First);
    const TItem* c2 = lists[static_cast<size_t>(second)].Record(c.Second);
    const TItem* o1 = lists[first].Record(other.First);
    const TItem* o2 = lists[static_cast<size_t>(second)].Record(other.Second);
    return (c1 == o1 && c2 == o2) || (c1 == o2 && c2 == o1);
}

}  // namespace vantor::bestset
