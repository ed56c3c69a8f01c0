// The bounds of the best-set search against every way of taking one choice of each unit still to
// come: the most they add within a load, and how far they move each capped total.
#include "equipment/bestset/Ceilings.h"

#include <gtest/gtest.h>

#include <random>

using namespace vantor;
using namespace vantor::bestset;

namespace {

// Calls each with the sum of every way of taking one choice of each unit from u on.
template <class Each>
void EveryWay(const std::vector<std::vector<Choice>>& units, size_t u, Choice sum, const Each& each)
{
    if (u == units.size()) {
        each(sum);
        return;
    }
    for (const Choice& c : units[u]) {
        Choice next = sum;
        next.Load += c.Load;
        next.Score += c.Score;
        for (size_t k = 0; k < 2; ++k) next.Totals[k] += c.Totals[k];
        EveryWay(units, u + 1, next, each);
    }
}

}  // namespace

TEST(Ceilings, TheMostWithinEachLoadAndTheReachOfCappedTotals)
{
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::vector<Choice>> units(1 + random() % 4);
        for (auto& unit : units) {
            unit.resize(1 + random() % 3);
            for (Choice& c : unit) {
                c.Load = random() % 6;
                c.Score = static_cast<SetScore>(random() % 9) - 3;
                c.Totals = {static_cast<int64_t>(random() % 5) - 2, static_cast<int64_t>(random() % 4)};
            }
        }
        const Ceiling byLoad(units, true), unbounded(units, false);
        const Rest rest(units, 2);
        for (size_t u = 0; u <= units.size(); ++u) {
            SetScore best = kUnreachable;
            std::array<int64_t, 2> most{INT64_MIN, INT64_MIN}, least{INT64_MAX, INT64_MAX};
            EveryWay(units, u, Choice{}, [&](const Choice& sum) {
                best = std::max(best, sum.Score);
                for (size_t k = 0; k < 2; ++k) {
                    most[k] = std::max(most[k], sum.Totals[k]);
                    least[k] = std::min(least[k], sum.Totals[k]);
                }
            });
            EXPECT_EQ(unbounded.Unbounded(u), best);
            for (int64_t room = -1; room <= 25; ++room) {
                SetScore within = kUnreachable;
                EveryWay(units, u, Choice{}, [&](const Choice& sum) {
                    if (sum.Load <= room) within = std::max(within, sum.Score);
                });
                ASSERT_EQ(byLoad.Within(u, room), within) << "round " << round << " unit " << u << " room " << room;
                ASSERT_GE(unbounded.Within(u, room), within);
            }
            for (size_t k = 0; k < 2; ++k) {
                EXPECT_EQ(rest.Rise[u][k], most[k]);
                EXPECT_EQ(rest.Least[u][k], least[k]);
            }
        }
    }
}
