#pragma once
// Planning ahead: the best set at every level of a range, and the best score at a range of
// strengths under each encumbrance bound. Each point is the exact answer "Best set..." gives after
// the equipment filter for that character, nothing kept.

#include "equipment/BestSet.h"
#include "equipment/Totals.h"
#include "filters/Profile.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

// What every point of a plan shares: the items, the character (class and alignment; the level is
// set per point), the scale and what the page's category rests on.
struct PlanQuestion {
    const ItemList* Items = nullptr;
    int32_t ClassCode = 0;
    bool Good = false, Neutral = false, Evil = false;
    Scale Weights;
    LoadBound Bound = LoadBound::Medium;
    std::optional<int32_t> Strength;  // nothing: carries nothing
    int32_t MiscEncumbrance = 0;
    // The items the character owns, when the plan is made from those alone; none: every item.
    std::function<bool(const TItem&)> Owned;
};

// The best set at one level; Found is false when no set stays within the bound.
struct PlanPoint {
    int32_t Level = 0;
    bool Found = false;
    SetScore Score = 0;
    ChosenItems Set{};
};

struct UpgradePath {
    std::vector<PlanPoint> Levels;  // one per level of the range, in order
    bool Cancelled = false;
};

// The most points a plan takes (levels, or strengths).
constexpr int kMaxPlanPoints = 500;

// The best set at each level from `from` to `to` (from <= to, at most kMaxPlanPoints levels).
// progress gets the levels done and the levels in all; false stops the plan.
UpgradePath SolveUpgradePath(const PlanQuestion& question, int32_t from, int32_t to,
                             const SearchProgress& progress = nullptr);

// The points of the path that start a set: the first, and each whose set differs from the one
// before (the same two rings on swapped fingers are the same set).
std::vector<size_t> PathChanges(const std::vector<PlanPoint>& levels);

// What changes from one set to the next, in slot order: "Head: Leather Cap -> Iron Helm;
// Finger1: *None* -> Gold Ring". Empty when nothing does.
std::string ChangesText(const ChosenItems& before, const ChosenItems& after);

// The best score under "None", "Light" and "Medium" at each strength; nothing where no set stays
// within the bound.
struct StrengthPoint {
    int32_t Strength = 0;
    std::array<std::optional<SetScore>, 3> Scores;
};

struct StrengthTable {
    std::vector<StrengthPoint> Points;
    bool Cancelled = false;
};

// The strengths from, from + step, ... up to to (step >= 1, at most kMaxPlanPoints of them) at
// the given level; the question's bound and strength are not used.
StrengthTable SolveStrengthTable(const PlanQuestion& question, int32_t level, int32_t from, int32_t to, int32_t step,
                                 const SearchProgress& progress = nullptr);

// The number of points from `from` to `to` in steps of `step`; nothing when step < 1 or to < from.
std::optional<int64_t> PlanPointCount(int32_t from, int32_t to, int32_t step);

}  // namespace vantor
