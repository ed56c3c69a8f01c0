#pragma once
// The best set: of all the sets the slot lists allow, the one that scores highest under the
// player's scale while the load stays within a chosen encumbrance category.
//
// One item or none per slot and one shared load: a multiple-choice knapsack, whose capacity also
// depends on the chosen items, since their encumbrance bonuses raise what the character carries.
// It is solved exactly: per slot, the items another item beats on every count (lighter or as
// light, as much bonus or more, as high a score or higher) are dropped; then the slots are taken
// one by one, keeping every partial set that no other partial set beats on load, bonus and score.
// A capped total is not a sum of item scores: the partial sets keep each capped total beside
// their score, and only partial sets of equal capped totals are compared. A total is kept only up
// to its cap plus what the slots still to come could take away, so that the totals stay bounded
// and two partial sets whose capped totals would end the same compare as equal. A partial set is
// dropped when even the most the slots to come could add leaves it below a set already found:
// ceilings per load, where the bound binds with each bonus counted as the load it lets the set
// carry, and for capped totals with multipliers chosen for the tightest ceiling (a capped share
// w x min(T, cap) is at most l x T + (w - l) x cap for l from 0 to w). Sums are 64-bit, scores
// 128-bit: nothing overflows, nothing is rounded.

#include "equipment/Encumbrance.h"
#include "equipment/Scale.h"
#include "equipment/SlotLists.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// A weight as the player types it: a sign and up to two decimals after "." or sep, within 32 bits
// of hundredths; nothing for any other text.
std::optional<int32_t> ReadWeight(std::string_view text, char sep);
// A cap as the player types it: 0 or more, up to one decimal, in tenths; nothing for any other text.
std::optional<int64_t> ReadCap(std::string_view text, char sep);

// A score in thousandths as the window shows it, exact: "12.3", "-0.25", "6".
std::string ScoreText(SetScore thousandths, char sep = '.');

enum class LoadBound { None, Light, Medium, NoLimit };

// The most partial sets a search holds by default: about 800 MB. (The multiplier ceilings keep
// five capped features under a bound that binds to some tens of thousands on the 100,000-item
// benchmark database; the bound stays for questions they cannot narrow.)
constexpr size_t kMaxPartials = 8'000'000;

// A search that would need more partial sets than its question allows (many capped totals under
// a bound that binds): the message says so and what to change.
class ESearchTooLarge : public std::runtime_error {
public:
    ESearchTooLarge()
        : std::runtime_error("This search is too large to finish exactly: the capped totals make too many partial "
                             "sets to hold. Lift a cap or two, or weigh fewer capped features at once.")
    {}
};

struct BestSetQuestion {
    const SlotLists* Lists = nullptr;
    std::array<std::optional<int>, kSlotCount> Kept;  // a kept slot keeps this entry (0: empty)
    Scale Weights;                                    // what counts, and up to where
    LoadBound Bound = LoadBound::Medium;
    std::optional<int32_t> Strength;  // nothing when the strength box does not read: carries nothing
    int32_t MiscEncumbrance = 0;      // the load before any item
    bool SameRing = false;            // may both fingers wear the same ring
    // The most partial sets a search may hold at once (about 100 bytes each); past it the search
    // stops with ESearchTooLarge rather than take the machine's memory.
    size_t MaxPartials = kMaxPartials;
};

struct BestSetAnswer {
    bool Found = false;  // false when even the lightest admissible choice breaks the bound
    bool Cancelled = false;
    std::array<int, kSlotCount> Picks{};  // the entry of each slot's list (0: "*None*")
    SetScore Score = 0;
    std::optional<SetScore> RunnerUp;  // the best score of any other admissible set
    int64_t Load = 0;
    int32_t MaxEncumbrance = 0;
    EncumbranceCategory Category = EncumbranceCategory::None;
};

// Called between steps with the steps done and the steps in all; false stops the search.
using SearchProgress = std::function<bool(int done, int steps)>;

// The best admissible set. Ties go to the lighter set, then to the larger encumbrance bonus, then
// to a fixed order of the lists' entries (a ring alone goes to the first finger), so the same
// question always gets the same answer. The runner-up is the best of the searches that each bar
// the answer's choice in one slot (or its pair of rings): any other set differs there.
// runnerUp: false to find the best set alone.
BestSetAnswer SolveBestSet(const BestSetQuestion& question, const SearchProgress& progress = nullptr,
                           bool runnerUp = true);

// For each slot, the entries of its list that a search may still choose: those no other entry
// beats on load, bonus and score (on the fingers, three layers of them, so that a ring is left to
// pair with). A search on lists of just these entries, in their order, gives the same answer as
// on the whole lists, and so does one on those lists with more items added. Nothing when a slot is
// kept or when loads and bonuses do not compare (then any entry may matter).
std::optional<std::array<std::vector<int>, kSlotCount>> Contenders(const BestSetQuestion& question);

// The items a set's picks wear.
ChosenItems ChosenOf(const BestSetQuestion& question, const std::array<int, kSlotCount>& picks);

// The load a set may reach within the bound for this total encumbrance bonus, as the equipment
// page works it out; nothing when the page could not (a bonus or maximum past 32 bits).
std::optional<int64_t> LoadAllowed(const BestSetQuestion& question, int64_t bonus);

}  // namespace vantor
