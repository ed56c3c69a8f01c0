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
    // Both fingers kept on one ring that may not be worn twice: no set keeps them.
    const auto& kept = q.Kept;
    if (kept[Finger1] && kept[Finger2] && !q.SameRing && (*q.Lists)[Finger1].Record(*kept[Finger1]) &&
        (*q.Lists)[Finger1].Record(*kept[Finger1]) == (*q.Lists)[Finger2].Record(*kept[Finger2]))
        return answer;
    const SearchSpace search(q);
    LayeredSearch layers(search, progress);
    const int passes = 1 + static_cast<int>(search.Units());
    // With caps, a few sets are found first, quickly since their scores add up: the best with the
    // capped totals weighed at their weights, not at all, and at the multipliers of the least
    // ceiling, caps lifted; each climbed from. The best of their capped scores is one a set
    // reaches, so nothing scoring less is searched; those that are not the answer also bound the
    // runner-up.
    SetScore floor = kUnreachable;
    std::vector<std::pair<SetScore, std::array<int, kSlotCount>>> found;
    std::vector<std::array<int, kSlotCount>> starts;  // each climbed from once
    const auto startFrom = [&](const std::vector<int32_t>& l) {
        const SearchSpace lifted(search, l);
        LayeredSearch plain(lifted, [&](int, int) { return !progress || progress(0, passes); });
        const auto set = plain.Best(-1, nullptr, kUnreachable, 0, 1);
        if (plain.Cancelled()) return false;
        BestSetAnswer a;
        if (set) lifted.Fill(*set, a);
        if (!a.Found || std::find(starts.begin(), starts.end(), a.Picks) != starts.end()) return true;
        starts.push_back(a.Picks);
        std::optional<std::vector<Choice>> start = search.ChoicesOf(a.Picks);
        if (!start) return true;
        const SetScore climbed = Climb(search, *start);
        BestSetAnswer at;
        search.Fill(*start, at);
        found.push_back({climbed, at.Picks});
        floor = std::max(floor, climbed);
        return true;
    };
    if (search.HasCaps()) {
        const std::vector<size_t>& capped = search.CappedDimensions();
        std::vector<std::vector<int32_t>> multipliers;
        for (const bool weighed : {true, false}) {
            std::vector<int32_t>& l = multipliers.emplace_back();
            for (const size_t d : capped) l.push_back(weighed ? search.Table().WeightOf(d) : 0);
        }
        if (!layers.Multipliers().empty()) multipliers.push_back(layers.Multipliers());
        for (const std::vector<int32_t>& l : multipliers)
            if (!startFrom(l)) {
                answer.Cancelled = true;
                return answer;
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
