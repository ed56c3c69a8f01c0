#pragma once
// A scale: what a player values in a set, as a weight per feature (armour class, damage
// resistance, accuracy ...) and per ability by name, each with an optional cap past which the
// set's total adds nothing. Scores are exact: weights in hundredths, totals in tenths, scores in
// thousandths, 128-bit.

#include "data/Features.h"
#include "equipment/Totals.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

using SetScore = __int128;

struct Weight {
    int32_t Hundredths = 0;            // 150 for 1.5; negative counts against
    std::optional<int64_t> CapTenths;  // the total counts up to this (600 for 60), nothing past it
    bool operator==(const Weight&) const = default;
};

struct Scale {
    std::string Name;
    std::array<Weight, kFeatureCount> Features{};
    std::map<std::string, Weight> Abilities;  // by ability name: every code of the name counts
    bool operator==(const Scale&) const = default;
};

// The scales every player has, which can be copied but not changed: "AC and DR" (the one active at
// first), a fighter's, a thief's and a caster's.
const std::vector<Scale>& BuiltInScales();

// The limits of what a scale holds, so that no score can leave 128 bits.
constexpr int64_t kMaxCapTenths = 10'000'000'000;  // a cap of a billion
constexpr size_t kMaxCaps = 6;                     // capped features and abilities in one scale

// A scale made ready for scoring: one dimension per weighted feature or ability name. A set's
// totals are a value per dimension, in tenths; the score is the sum of weight x total, a capped
// total counting up to its cap.
class ScoreTable {
public:
    explicit ScoreTable(const Scale& scale);

    size_t Dimensions() const { return weights_.size(); }
    int32_t WeightOf(size_t d) const { return weights_[d]; }
    const std::optional<int64_t>& CapOf(size_t d) const { return caps_[d]; }

    // Adds sign times the item's value in each dimension to totals (one entry per dimension).
    void Add(const TItem& item, int sign, std::vector<int64_t>& totals) const;
    // The item's value in dimension d, in tenths.
    int64_t ValueOf(const TItem& item, size_t d) const;
    // The score of totals: the sum over the dimensions of weight x the total, capped.
    SetScore Score(const std::vector<int64_t>& totals) const;
    // A dimension's share of a score.
    SetScore Part(size_t d, int64_t total) const;

private:
    std::vector<int32_t> weights_;
    std::vector<std::optional<int64_t>> caps_;
    std::vector<int> features_;              // per dimension: the feature, or -1 for an ability name
    std::array<int16_t, 201> abilityDim_{};  // ability code -> its dimension + 1 (0: not weighed)
};

// The score of the items chosen under the scale, the totals added up as the equipment page adds
// them over the worn items ("Misc. AC" and "Misc. Enc" are not scored).
SetScore ScoreOf(const ScoreTable& table, const ChosenItems& chosen);

// The scale as one line a player can post in the game's chat, and back:
//   ( Vantor scale v1: "Tank": AC=1, DR=1.5, Stealth=0.5 max 60, "Resist Fire"=0.25 )
// Features are written bare, ability names in quotes. Only weights that are not 0, or that have a
// cap, are written.
std::string ScaleText(const Scale& scale);
// The scale a text holds (the line may stand within other text); nothing, with why in error, for
// any other text. Numbers are written with ".", whatever the system's separator.
std::optional<Scale> ReadScaleText(std::string_view text, std::string& error);

// "The weight for "AC" ..." checks of a scale as the dialogs hold it: a name, caps within bounds,
// at most kMaxCaps caps. Empty when it is fine.
std::string ScaleProblem(const Scale& scale);

}  // namespace vantor
