#include "equipment/UpgradePath.h"

#include <algorithm>
#include <functional>

namespace vantor {
namespace {

constexpr int kStepsPerPoint = 1000;

// The slot lists of the character at its highest level; the lists at a lower level are these
// with the entries above it left out, in the same order, as the equipment filter would fill them
// (its level rule is the only one a level changes). A level only adds items, so the entries a
// search can no longer choose (Contenders) may be left out of every later level's lists too.
class LevelLists {
public:
    LevelLists(const PlanQuestion& q, int32_t top)
    {
        const Profile character(q.ClassCode, std::to_string(top), q.Good, q.Neutral, q.Evil);
        FillSlotLists(
            *q.Items, [&](const TItem& item) { return MetClassFilter(item, character) && (!q.Owned || q.Owned(item)); },
            all_, nullptr);
        for (size_t s = 0; s < all_.size(); ++s) {
            std::vector<int>& order = byLevel_[s];
            for (int i = 1; i < all_[s].size(); ++i) order.push_back(i);
            std::stable_sort(order.begin(), order.end(),
                             [&](int a, int b) { return all_[s].Record(a)->MinLevel < all_[s].Record(b)->MinLevel; });
        }
    }

    const SlotLists& All() const { return all_; }
    // The entries of All() the lists hold now, per slot: equal entries, equal lists.
    const std::array<std::vector<int>, kSlotCount>& Entries() const { return in_; }

    // The lists at this level (no lower than the last one asked): the entries kept so far and
    // those up to this level not yet added.
    const SlotLists& Grow(int32_t level)
    {
        for (size_t s = 0; s < all_.size(); ++s) {
            std::vector<int>& in = in_[s];
            const size_t before = in.size();
            const std::vector<int>& order = byLevel_[s];
            for (size_t& next = added_[s]; next < order.size() && all_[s].Record(order[next])->MinLevel <= level;
                 ++next)
                in.push_back(order[next]);
            std::sort(in.begin() + static_cast<ptrdiff_t>(before), in.end());
            std::inplace_merge(in.begin(), in.begin() + static_cast<ptrdiff_t>(before), in.end());
        }
        return Rebuilt();
    }

    // Keeps of the lists Grow gave only these entries of each, and gives the lists of those.
    const SlotLists& Keep(const std::array<std::vector<int>, kSlotCount>& entries)
    {
        for (size_t s = 0; s < all_.size(); ++s) {
            std::vector<int> kept;
            for (const int e : entries[s])
                if (e > 0) kept.push_back(in_[s][static_cast<size_t>(e - 1)]);
            in_[s] = std::move(kept);
        }
        return Rebuilt();
    }

private:
    const SlotLists& Rebuilt()
    {
        for (size_t s = 0; s < all_.size(); ++s) {
            at_[s].AddNone();
            for (const int i : in_[s]) at_[s].AddFormated(*all_[s].Record(i));
        }
        return at_;
    }

    SlotLists all_, at_;
    std::array<std::vector<int>, kSlotCount> byLevel_;  // per slot, the entries of all_ by level
    std::array<size_t, kSlotCount> added_{};            // how many of those are added
    std::array<std::vector<int>, kSlotCount> in_;       // the entries of all_ in at_, in order
};

// The progress of point `point` of `points`, from the solver's own.
SearchProgress PointProgress(const SearchProgress& progress, size_t point, size_t points)
{
    if (!progress) return nullptr;
    return [&progress, point, points](int done, int steps) {
        const int64_t within = steps > 0 ? int64_t{done} * kStepsPerPoint / steps : 0;
        return progress(static_cast<int>(static_cast<int64_t>(point) * kStepsPerPoint + within),
                        static_cast<int>(static_cast<int64_t>(points) * kStepsPerPoint));
    };
}

BestSetQuestion AskOf(const PlanQuestion& q, const SlotLists& lists)
{
    BestSetQuestion ask;
    ask.Lists = &lists;
    ask.Weights = q.Weights;
    ask.Bound = q.Bound;
    ask.Strength = q.Strength;
    ask.MiscEncumbrance = q.MiscEncumbrance;
    return ask;
}

// The set with its rings in a fixed order, so that swapped rings compare equal.
ChosenItems RingsOrdered(ChosenItems set)
{
    if (std::less<const TItem*>()(set[Finger2], set[Finger1])) std::swap(set[Finger1], set[Finger2]);
    return set;
}

}  // namespace

std::optional<int64_t> PlanPointCount(int32_t from, int32_t to, int32_t step)
{
    if (step < 1 || to < from) return std::nullopt;
    return (int64_t{to} - from) / step + 1;
}

UpgradePath SolveUpgradePath(const PlanQuestion& q, int32_t from, int32_t to, const SearchProgress& progress)
{
    UpgradePath path;
    const auto count = PlanPointCount(from, to, 1);
    if (!count || *count > kMaxPlanPoints) return path;
    LevelLists lists(q, to);
    // Leaving entries out is sound when loads and bonuses compare over the whole lists of the top
    // level, and so over every level's lists.
    const bool reduce = Contenders(AskOf(q, lists.All())).has_value();
    std::array<std::vector<int>, kSlotCount> before;  // the entries of the level before
    for (int32_t level = from; level <= to; ++level) {
        const size_t point = static_cast<size_t>(level - from);
        BestSetQuestion ask = AskOf(q, lists.Grow(level));
        if (reduce)
            if (const auto contenders = Contenders(ask)) ask.Lists = &lists.Keep(*contenders);
        // The same lists as the level before (nothing it adds can be chosen): the same answer.
        if (!path.Levels.empty() && lists.Entries() == before) {
            path.Levels.push_back(path.Levels.back());
            path.Levels.back().Level = level;
            continue;
        }
        before = lists.Entries();
        const BestSetAnswer a = SolveBestSet(ask, PointProgress(progress, point, static_cast<size_t>(*count)), false);
        if (a.Cancelled) {
            path.Cancelled = true;
            return path;
        }
        PlanPoint p;
        p.Level = level;
        p.Found = a.Found;
        if (a.Found) {
            p.Score = a.Score;
            p.Set = ChosenOf(ask, a.Picks);
        }
        path.Levels.push_back(p);
    }
    return path;
}

std::vector<size_t> PathChanges(const std::vector<PlanPoint>& levels)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < levels.size(); ++i) {
        const bool same = i > 0 && levels[i].Found == levels[i - 1].Found &&
                          RingsOrdered(levels[i].Set) == RingsOrdered(levels[i - 1].Set);
        if (!same) starts.push_back(i);
    }
    return starts;
}

std::string ChangesText(const ChosenItems& before, const ChosenItems& after)
{
    const auto name = [](const TItem* item) { return item ? std::string(item->Name) : std::string("*None*"); };
    std::string text;
    for (int s = 0; s < kSlotCount; ++s) {
        const TItem* was = before[static_cast<size_t>(s)];
        const TItem* now = after[static_cast<size_t>(s)];
        if (was == now) continue;
        if (!text.empty()) text += "; ";
        text += std::string(SlotTable()[static_cast<size_t>(s)].Caption) + ": " + name(was) + " -> " + name(now);
    }
    return text;
}

StrengthTable SolveStrengthTable(const PlanQuestion& q, int32_t level, int32_t from, int32_t to, int32_t step,
                                 const SearchProgress& progress)
{
    StrengthTable table;
    const auto count = PlanPointCount(from, to, step);
    if (!count || *count > kMaxPlanPoints) return table;
    LevelLists lists(q, level);
    const SlotLists* atLevel = &lists.Grow(level);
    // Which entries a search may choose does not hang on the strength, only whether loads and
    // bonuses compare does; when they do at the lowest and the highest, they do at each between.
    BestSetQuestion lowest = AskOf(q, *atLevel), highest = lowest;
    lowest.Strength = from;
    highest.Strength = static_cast<int32_t>(from + (*count - 1) * step);
    if (const auto contenders = Contenders(highest); contenders && Contenders(lowest))
        atLevel = &lists.Keep(*contenders);
    constexpr LoadBound kBounds[] = {LoadBound::None, LoadBound::Light, LoadBound::Medium};
    const size_t points = static_cast<size_t>(*count) * std::size(kBounds) + 1;
    // The best set with no bound is the best at each point where it stays within the bound, as
    // nothing scores more: those points need no search of their own.
    BestSetQuestion free = AskOf(q, *atLevel);
    free.Bound = LoadBound::NoLimit;
    const BestSetAnswer top = SolveBestSet(free, PointProgress(progress, 0, points), false);
    if (top.Cancelled) {
        table.Cancelled = true;
        return table;
    }
    int64_t topBonus = 0;
    for (const TItem* item : ChosenOf(free, top.Picks))
        if (item) topBonus += item->EncumbranceBonus;
    const auto topFits = [&](const BestSetQuestion& ask) {
        const auto allowed = LoadAllowed(ask, topBonus);
        return top.Found && allowed && top.Load >= INT32_MIN && top.Load <= *allowed;
    };
    for (int64_t i = 0; i < *count; ++i) {
        StrengthPoint p;
        p.Strength = static_cast<int32_t>(from + i * step);
        for (size_t b = 0; b < std::size(kBounds); ++b) {
            BestSetQuestion ask = AskOf(q, *atLevel);
            ask.Bound = kBounds[b];
            ask.Strength = p.Strength;
            if (topFits(ask)) {
                p.Scores[b] = top.Score;
                continue;
            }
            const size_t point = 1 + static_cast<size_t>(i) * std::size(kBounds) + b;  // after the free one
            const BestSetAnswer a = SolveBestSet(ask, PointProgress(progress, point, points), false);
            if (a.Cancelled) {
                table.Cancelled = true;
                return table;
            }
            if (a.Found) p.Scores[b] = a.Score;
        }
        table.Points.push_back(p);
    }
    return table;
}

}  // namespace vantor
