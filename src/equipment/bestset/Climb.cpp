#include "equipment/bestset/Climb.h"

#include <algorithm>

namespace vantor::bestset {
namespace {

// A set and the sets one or two choices away from it.
class Around {
public:
    Around(const SearchSpace& space, const std::vector<Choice>& set)
        : space_(space), set_(set), whole_(space.Whole(set)), score_(space.Final(whole_)),
          caps_(space.CappedDimensions().size())
    {}

    SetScore Score() const { return score_; }

    // The score of the set with its choices of units u and v (v: none) changed to c and d, when
    // it stays within the bound.
    std::optional<SetScore> With(size_t u, const Choice& c, size_t v, const Choice* d) const
    {
        Partial p = whole_;
        Swap(p, set_[u], c);
        if (d) Swap(p, set_[v], *d);
        if (!space_.Admissible(p)) return std::nullopt;
        return space_.Final(p);
    }

    // The most that changing unit u's choice to c can add to the score, whatever other unit's
    // choice changes with it: its change of the uncapped score, and for each capped total what
    // its change could add at most. A total weighed up counts its rises less the nearer it comes
    // to its cap, so a rise adds no more beside another change than from the set's own total; a
    // total weighed down counts at most its weight for each tenth it falls.
    SetScore MostAdded(size_t u, const Choice& c) const
    {
        const ScoreTable& table = space_.Table();
        SetScore most = c.Score - set_[u].Score;
        for (size_t k = 0; k < caps_; ++k) {
            const size_t d = space_.CappedDimensions()[k];
            const int64_t change = c.Totals[k] - set_[u].Totals[k];
            const int64_t total = whole_.Totals[k];
            most += table.WeightOf(d) >= 0 ? table.Part(d, total + std::max<int64_t>(change, 0)) - table.Part(d, total)
                                           : SetScore{table.WeightOf(d)} * std::min<int64_t>(change, 0);
        }
        return most;
    }

private:
    void Swap(Partial& p, const Choice& out, const Choice& in) const
    {
        p.Load += in.Load - out.Load;
        p.Bonus += in.Bonus - out.Bonus;
        p.Score += in.Score - out.Score;
        for (size_t k = 0; k < caps_; ++k) p.Totals[k] += in.Totals[k] - out.Totals[k];
    }

    const SearchSpace& space_;
    const std::vector<Choice>& set_;
    Partial whole_;
    SetScore score_;
    size_t caps_;
};

struct Change {
    SetScore Score = 0;
    size_t U = 0, V = 0;
    const Choice *C = nullptr, *D = nullptr;  // D: none when one choice changes
};

// The best change of one choice that scores more than the set, else nothing.
std::optional<Change> BestSingle(const SearchSpace& space, const Around& around)
{
    std::optional<Change> best;
    for (size_t u = 0; u < space.Units(); ++u)
        for (const Choice& c : space.Offered(u))
            if (const auto s = around.With(u, c, 0, nullptr); s && *s > (best ? best->Score : around.Score()))
                best = Change{*s, u, 0, &c, nullptr};
    return best;
}

// The best change of two choices that scores more than the set, else nothing. A pair whose two
// most added cannot beat the best found so far is not scored.
std::optional<Change> BestPair(const SearchSpace& space, const Around& around)
{
    const size_t n = space.Units();
    std::vector<std::vector<SetScore>> most(n);
    std::vector<SetScore> unitMost(n, kUnreachable);
    for (size_t u = 0; u < n; ++u)
        for (const Choice& c : space.Offered(u)) {
            most[u].push_back(around.MostAdded(u, c));
            unitMost[u] = std::max(unitMost[u], most[u].back());
        }
    std::optional<Change> best;
    SetScore gain = 0;  // of the best change found
    for (size_t u = 0; u < n; ++u)
        for (size_t v = u + 1; v < n; ++v) {
            const std::vector<Choice>& left = space.Offered(u);
            const std::vector<Choice>& right = space.Offered(v);
            for (size_t i = 0; i < left.size(); ++i) {
                if (most[u][i] + unitMost[v] <= gain) continue;
                for (size_t j = 0; j < right.size(); ++j) {
                    if (most[u][i] + most[v][j] <= gain) continue;
                    if (const auto s = around.With(u, left[i], v, &right[j]); s && *s - around.Score() > gain) {
                        best = Change{*s, u, v, &left[i], &right[j]};
                        gain = *s - around.Score();
                    }
                }
            }
        }
    return best;
}

}  // namespace

SetScore Climb(const SearchSpace& space, std::vector<Choice>& set,
               std::optional<std::pair<SetScore, std::vector<Choice>>>* other)
{
    if (other) {  // every set one choice away from this one
        const Around around(space, set);
        for (size_t u = 0; u < set.size(); ++u)
            for (const Choice& c : space.Offered(u)) {
                if (space.SameSet(c, set[u], space.UnitList()[u])) continue;
                const auto s = around.With(u, c, 0, nullptr);
                if (s && (!*other || *s > (*other)->first)) {
                    std::vector<Choice> near = set;
                    near[u] = c;
                    *other = std::pair(*s, near);
                }
            }
        return around.Score();
    }
    // The best change of one choice, else of two, while one raises the score (bounded: each
    // round raises it, and there are finitely many sets; a few rounds in practice).
    for (int round = 0; round < 64; ++round) {
        const Around around(space, set);
        std::optional<Change> change = BestSingle(space, around);
        if (!change) change = BestPair(space, around);
        if (!change) return around.Score();
        set[change->U] = *change->C;
        if (change->D) set[change->V] = *change->D;
    }
    return space.Final(set);
}

}  // namespace vantor::bestset
