// The layered search and the climb against every set the units make, on small random worlds with
// and without caps: the search finds the best set, and the best with one unit's choice barred; the
// climb ends where no single choice does better.
#include "equipment/bestset/Climb.h"
#include "equipment/bestset/LayeredSearch.h"

#include <gtest/gtest.h>

#include <random>

using namespace vantor;
using namespace vantor::bestset;

namespace {

// Calls each for every set of one choice per unit.
template <class Each>
void EverySet(const SearchSpace& space, std::vector<Choice>& set, size_t u, const Each& each)
{
    if (u == space.UnitList().size()) {
        each(set);
        return;
    }
    for (const Choice& c : space.UnitList()[u].All) {
        set[u] = c;
        EverySet(space, set, u + 1, each);
    }
}

// The best admissible score of the sets accepted; none when no set is.
template <class Accept>
std::optional<SetScore> BestOf(const SearchSpace& space, const Accept& accept)
{
    std::optional<SetScore> best;
    std::vector<Choice> set(space.UnitList().size());
    EverySet(space, set, 0, [&](const std::vector<Choice>& s) {
        if (!accept(s) || !space.Admissible(space.Whole(s))) return;
        const SetScore score = space.Final(s);
        if (!best || score > *best) best = score;
    });
    return best;
}

}  // namespace

TEST(Search, LayersFindTheBestAndTheBestBarredTheClimbEndsAtALocalBest)
{
    std::mt19937 random(5);
    for (int round = 0; round < 60; ++round) {
        ItemList items;
        for (const int worn : {2, 2, 2, 4, 4, 4, 5, 5}) {
            TItem& item = items.emplace_back();
            item.WornSlot = worn;
            item.Weight = static_cast<int32_t>(random() % 400);
            item.ArmourClass = static_cast<double>(random() % 30) / 10;
            item.Stealth = static_cast<int32_t>(random() % 7) - 2;
            item.EncumbranceBonus = random() % 4 == 0 ? static_cast<int32_t>(random() % 20) : 0;
        }
        SlotLists lists;
        FillSlotLists(items, {}, lists, nullptr);
        BestSetQuestion q;
        q.Lists = &lists;
        q.Bound = static_cast<LoadBound>(random() % 4);
        q.Strength = static_cast<int32_t>(random() % 40);
        q.SameRing = round % 2 == 0;
        q.Weights.Features[kAC].Hundredths = 100;
        q.Weights.Features[kStealth].Hundredths = round % 3 == 0 ? -50 : 50;
        if (round % 2) q.Weights.Features[kStealth].CapTenths = static_cast<int64_t>(random() % 60);
        const SearchSpace space(q);
        LayeredSearch layers(space, SearchProgress());
        const auto best = layers.Best(-1, nullptr, kUnreachable, 0, 1);
        const auto truth = BestOf(space, [](const std::vector<Choice>&) { return true; });
        ASSERT_EQ(best.has_value(), truth.has_value()) << "round " << round;
        if (!best) continue;
        ASSERT_EQ(space.Final(*best), *truth) << "round " << round;
        for (size_t u = 0; u < space.UnitList().size(); ++u) {
            const Choice barred = (*best)[u];
            const auto other = layers.Best(static_cast<int>(u), &barred, kUnreachable, 0, 1);
            const auto expected = BestOf(
                space, [&](const std::vector<Choice>& s) { return !space.SameSet(s[u], barred, space.UnitList()[u]); });
            ASSERT_EQ(other.has_value(), expected.has_value()) << "round " << round << " unit " << u;
            if (other) {
                ASSERT_EQ(space.Final(*other), *expected) << "round " << round << " unit " << u;
            }
        }
        // The climb from the best set stays there; from the lightest set it ends where no change
        // of one offered choice, or of two, does better.
        std::vector<Choice> start = *best;
        EXPECT_EQ(Climb(space, start), *truth);
        std::vector<Choice> light(space.UnitList().size());
        for (size_t u = 0; u < light.size(); ++u) light[u] = space.UnitList()[u].All.front();
        if (!space.Admissible(space.Whole(light))) continue;
        const SetScore climbed = Climb(space, light);
        EXPECT_EQ(climbed, space.Final(light));
        for (size_t u = 0; u < light.size(); ++u)
            for (size_t v = u; v < light.size(); ++v)
                for (const Choice& c : space.Offered(u))
                    for (const Choice& d : space.Offered(v)) {
                        std::vector<Choice> near = light;
                        near[u] = c;
                        near[v] = v == u ? c : d;
                        if (space.Admissible(space.Whole(near))) {
                            EXPECT_LE(space.Final(near), climbed) << "round " << round;
                        }
                    }
    }
}
