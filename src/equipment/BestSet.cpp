#include "equipment/BestSet.h"

#include "data/Decimal.h"
#include "equipment/bestset/Climb.h"
#include "equipment/bestset/LayeredSearch.h"
#include "equipment/bestset/SearchSpace.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantor {

using namespace bestset;

std::optional<int32_t> ReadWeight(std::string_view text, char sep)
{
    const auto hundredths = ReadDecimal(text, sep, 2, std::numeric_limits<int32_t>::max());
    if (!hundredths) return std::nullopt;
    return static_cast<int32_t>(*hundredths);
}

std::optional<int64_t> ReadCap(std::string_view text, char sep)
{
    const std::optional<int64_t> tenths = ReadDecimal(text, sep, 1, kMaxCapTenths);
    if (tenths && *tenths < 0) return std::nullopt;  // no total can be held below nothing
    return tenths;
}

std::string ScoreText(SetScore thousandths, char sep) { return DecimalText(thousandths, 3, sep); }

std::optional<int64_t> LoadAllowed(const BestSetQuestion& q, int64_t bonus)
{
    if (q.Bound == LoadBound::NoLimit) return std::numeric_limits<int64_t>::max();
    if (!Fits32(bonus)) return std::nullopt;
    const EncumbranceLimits limits = LimitsOf(MaximumFor(q, bonus));
    switch (q.Bound) {
    case LoadBound::None: return limits.None;
    case LoadBound::Light: return limits.Light;
    default: return limits.Medium;
    }
}

ChosenItems ChosenOf(const BestSetQuestion& q, const std::array<int, kSlotCount>& picks)
{
    ChosenItems chosen{};
    for (size_t s = 0; s < chosen.size(); ++s) chosen[s] = (*q.Lists)[s].Record(picks[s]);
    return chosen;
}

std::optional<std::array<std::vector<int>, kSlotCount>> Contenders(const BestSetQuestion& q)
{
    if (std::any_of(q.Kept.begin(), q.Kept.end(), [](const auto& k) { return k.has_value(); })) return std::nullopt;
    const SearchSpace search(q, true);
    if (!search.BonusesCompare()) return std::nullopt;
    return search.SlotContenders();
}

BestSetAnswer SolveBestSet(const BestSetQuestion& q, const SearchProgress& progress, bool runnerUp)
{
    BestSetAnswer answer;
    const SearchSpace search(q);
    LayeredSearch layers(search, progress);
    const int passes = 1 + static_cast<int>(search.Units());
    // With caps, a few sets are found first, quickly since their scores add up: the best with the
    // capped totals weighed at their weights, at half, a quarter, an eighth and not at all, caps
    // lifted. The best of their capped scores is one a set reaches, so nothing scoring less is
    // searched; those that are not the answer also bound the runner-up.
    SetScore floor = kUnreachable;
    std::vector<std::pair<SetScore, std::array<int, kSlotCount>>> found;
    std::vector<std::array<int, kSlotCount>> starts;  // each climbed from once
    if (search.HasCaps()) {
        for (const int shift : {0, 1, 2, 3, -1}) {
            BestSetQuestion plain = q;
            const auto lift = [shift](Weight& w) {
                if (!w.CapTenths) return;
                w.CapTenths.reset();
                w.Hundredths = shift < 0 ? 0 : w.Hundredths / (1 << shift);
            };
            for (Weight& w : plain.Weights.Features) lift(w);
            for (auto& [name, w] : plain.Weights.Abilities) lift(w);
            const SearchSpace liftedSpace(search, plain, shift);
            LayeredSearch lifted(liftedSpace, [&](int, int) { return !progress || progress(0, passes); });
            const auto set = lifted.Best(-1, nullptr, kUnreachable, 0, 1);
            if (lifted.Cancelled()) {
                answer.Cancelled = true;
                return answer;
            }
            BestSetAnswer a;
            if (set) liftedSpace.Fill(*set, a);
            if (!a.Found || std::any_of(starts.begin(), starts.end(), [&](const auto& p) { return p == a.Picks; }))
                continue;
            starts.push_back(a.Picks);
            std::optional<std::vector<Choice>> start = search.ChoicesOf(a.Picks);
            if (!start) continue;
            const SetScore climbed = Climb(search, *start);
            BestSetAnswer at;
            search.Fill(*start, at);
            found.push_back({climbed, at.Picks});
            floor = std::max(floor, found.back().first);
        }
    }
    const auto best = layers.Best(-1, nullptr, floor, 0, passes);
    if (layers.Cancelled()) {
        answer.Cancelled = true;
        return answer;
    }
    if (!best) return answer;
    search.Fill(*best, answer);
    if (!runnerUp) return answer;
    // The runner-up is bounded from below by the sets found before that are not the answer and
    // by the best set one choice away from it; once another set scores as high, no set does more.
    for (const auto& [score, picks] : found)
        if (ChosenOf(q, picks) != ChosenOf(q, answer.Picks) && (!answer.RunnerUp || score > *answer.RunnerUp))
            answer.RunnerUp = score;
    std::vector<Choice> answerSet = *best;
    std::optional<std::pair<SetScore, std::vector<Choice>>> near;
    Climb(search, answerSet, &near);
    if (near && (!answer.RunnerUp || near->first > *answer.RunnerUp)) answer.RunnerUp = near->first;
    if (answer.RunnerUp == answer.Score) return answer;
    // Any other set differs from the best in some unit: the runner-up is the best of the searches
    // that bar the best one's choice in one unit each.
    for (size_t u = 0; u < search.Units(); ++u) {
        const auto other = layers.Best(static_cast<int>(u), &(*best)[u], answer.RunnerUp.value_or(kUnreachable),
                                       static_cast<int>(u) + 1, passes);
        if (layers.Cancelled()) {
            answer.Cancelled = true;
            return answer;
        }
        if (!other) continue;
        const SetScore score = search.Final(*other);
        if (!answer.RunnerUp || score > *answer.RunnerUp) answer.RunnerUp = score;
        if (answer.RunnerUp == answer.Score) break;
    }
    return answer;
}

}  // namespace vantor
