// The dominance frontier against the plain rule it keeps: in the order of load, then larger bonus,
// then higher score, an entry stays unless one before it has no more load, as much bonus, as high
// a score and capped totals as good.
#include "equipment/bestset/Frontier.h"

#include <gtest/gtest.h>

#include <random>

using namespace vantor;
using namespace vantor::bestset;

namespace {

bool AsGood(const Choice& y, const Choice& x, const std::vector<int>& better)
{
    if (y.Load > x.Load || y.Bonus < x.Bonus || y.Score < x.Score) return false;
    for (size_t k = 0; k < better.size(); ++k)
        if (better[k] > 0 ? y.Totals[k] < x.Totals[k] : y.Totals[k] > x.Totals[k]) return false;
    return true;
}

// The entries no earlier one (in Frontier's order) is as good as; First tells them apart.
std::vector<int> BruteForce(std::vector<Choice> all, const std::vector<int>& better)
{
    std::stable_sort(all.begin(), all.end(), [&](const Choice& a, const Choice& b) {
        if (a.Load != b.Load) return a.Load < b.Load;
        if (a.Bonus != b.Bonus) return a.Bonus > b.Bonus;
        if (a.Score != b.Score) return a.Score > b.Score;
        for (size_t k = 0; k < better.size(); ++k)
            if (a.Totals[k] != b.Totals[k])
                return better[k] > 0 ? a.Totals[k] > b.Totals[k] : a.Totals[k] < b.Totals[k];
        return false;
    });
    std::vector<int> kept;
    for (size_t i = 0; i < all.size(); ++i) {
        bool beaten = false;
        for (size_t j = 0; j < i && !beaten; ++j) beaten = AsGood(all[j], all[i], better);
        if (!beaten) kept.push_back(all[i].First);
    }
    return kept;
}

}  // namespace

TEST(Frontier, KeepsWhatNoEarlierEntryIsAsGoodAs)
{
    std::mt19937 random(7);
    const std::vector<std::vector<int>> betters = {{}, {1}, {-1}, {1, -1}};
    for (int round = 0; round < 400; ++round) {
        const std::vector<int>& better = betters[static_cast<size_t>(round) % betters.size()];
        std::vector<Choice> all(1 + random() % 14);
        for (size_t i = 0; i < all.size(); ++i) {
            all[i].Load = random() % 5;
            all[i].Bonus = random() % 3;
            all[i].Score = random() % 4 - 1;
            for (size_t k = 0; k < better.size(); ++k) all[i].Totals[k] = random() % 3;
            all[i].First = static_cast<int>(i);
        }
        std::vector<int> kept;
        for (const Choice& c : Frontier(all, true, better)) kept.push_back(c.First);
        ASSERT_EQ(kept, BruteForce(all, better)) << "round " << round;
        // A second layer holds the frontier of what the first left out.
        std::vector<Choice> left;
        for (const Choice& c : all)
            if (std::find(kept.begin(), kept.end(), c.First) == kept.end()) left.push_back(c);
        std::vector<int> two;
        for (const Choice& c : Frontier(all, true, better, 2)) two.push_back(c.First);
        std::vector<int> expected = kept;
        for (const int first : BruteForce(left, better)) expected.push_back(first);
        ASSERT_EQ(two, expected) << "round " << round;
    }
}
