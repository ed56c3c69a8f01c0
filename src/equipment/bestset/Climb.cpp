#include "equipment/bestset/Climb.h"

namespace vantor::bestset {

SetScore Climb(const SearchSpace& space, std::vector<Choice>& set,
               std::optional<std::pair<SetScore, std::vector<Choice>>>* other)
{
    Partial whole = space.Whole(set);
    SetScore score = space.Final(whole);
    const size_t caps = space.CappedDimensions().size();
    // The sums of the set with its choices of units u and v (v: none) changed to c and d, and
    // their score when the set stays within the bound.
    const auto swap = [caps](Partial& p, const Choice& out, const Choice& in) {
        p.Load += in.Load - out.Load;
        p.Bonus += in.Bonus - out.Bonus;
        p.Score += in.Score - out.Score;
        for (size_t k = 0; k < caps; ++k) p.Totals[k] += in.Totals[k] - out.Totals[k];
    };
    const auto tryWith = [&](size_t u, const Choice& c, size_t v, const Choice* d) -> std::optional<SetScore> {
        Partial p = whole;
        swap(p, set[u], c);
        if (d) swap(p, set[v], *d);
        if (!space.Admissible(p)) return std::nullopt;
        return space.Final(p);
    };
    if (other) {  // every set one choice away from this one
        for (size_t u = 0; u < set.size(); ++u)
            for (const Choice& c : space.Offered(u)) {
                if (space.SameSet(c, set[u], space.UnitList()[u])) continue;
                const auto s = tryWith(u, c, 0, nullptr);
                if (s && (!*other || *s > (*other)->first)) {
                    std::vector<Choice> near = set;
                    near[u] = c;
                    *other = std::pair(*s, near);
                }
            }
        return score;
    }
    // The best change of one choice, else of two, while one raises the score (bounded: each
    // round raises it, and there are finitely many sets; a few rounds in practice).
    for (int round = 0; round < 64; ++round) {
        SetScore best = score;
        std::pair<size_t, Choice> one{0, {}}, two{0, {}};
        bool pair = false, found = false;
        for (size_t u = 0; u < set.size(); ++u)
            for (const Choice& c : space.Offered(u))
                if (const auto s = tryWith(u, c, 0, nullptr); s && *s > best) {
                    best = *s;
                    one = {u, c};
                    found = true;
                }
        for (size_t u = 0; u < set.size() && !found; ++u)
            for (size_t v = u + 1; v < set.size(); ++v)
                for (const Choice& c : space.Offered(u))
                    for (const Choice& d : space.Offered(v))
                        if (const auto s = tryWith(u, c, v, &d); s && *s > best) {
                            best = *s;
                            one = {u, c};
                            two = {v, d};
                            pair = true;
                        }
        if (best == score) break;
        set[one.first] = one.second;
        if (pair) set[two.first] = two.second;
        whole = space.Whole(set);
        score = best;
    }
    return score;
}

}  // namespace vantor::bestset
