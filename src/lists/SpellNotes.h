#pragma once
// The texts that describe spells: the full description (Notes), the one-line summary (Basics),
// and the small services that name a spell by its number.

#include "data/GameData.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vantor {

// "0", "+n" or "-n".
std::string PlusMinusZero(int64_t n);

// text + " " for mode "S", text + ", " for mode "B", text unchanged otherwise.
std::string AddCommaSpace(const std::string& text, const std::string& mode);

// The description level: LevelCap when it lies in 1..99, else 75.
int32_t DescriptionLevel(const TSpell& spell);

// The duration in rounds at the given level, with its level-dependent growth (exact, 64-bit).
int64_t MaxDuration(const TSpell& spell, int32_t level);

// The total of a minimum or maximum clause at the level: value + level x increment / step
// (step 0 reads as 1), rounded half to even.
long long RangeTotal(int32_t value, int32_t increment, int32_t step, int32_t level);

// What a cast does at a caster's level (capped at the spell's level cap, as the game caps it), or
// at the description level when level is 0, as the spell list shows it. Rounds: how long it
// lasts, when it lasts. Damage: for the first slot of "Damage (No AC)" or "Damage (on armour)"
// with the value 0, the mean of the minimum and maximum totals, times the rounds when it lasts.
// PerMana: the damage for each point of mana, when the spell costs mana.
struct SpellDamage {
    std::optional<int64_t> Rounds;
    std::optional<double> Damage;
    std::optional<double> PerMana;
};
SpellDamage DamageOf(const TSpell& spell, int32_t level = 0);

// Summaries quote other spells' summaries through "End Cast" abilities. A summary is cut where
// it would quote a spell whose summary is already being built further out (a cycle), or where
// the quotes nest deeper than this; the cut spell is then shown as "(Name ...)".
constexpr int kMaxSummaryDepth = 4;

// No description, summary or item text grows past this; a longer one is cut at a blank and ends in " ...".
constexpr size_t kMaxTextBytes = size_t{4} * 1024;
// Past this, a text being built stops taking parts: what follows would be cut off anyway (the
// margin covers the blanks trimmed from its front).
constexpr size_t kStopBuildingBytes = kMaxTextBytes + 64;

class SpellDescriber {
public:
    explicit SpellDescriber(SpellList& spells) : spells_(spells) {}

    // "Name (n)" of the first spell numbered n, else n in decimal.
    std::string GetSpellName(int32_t n) const;
    // "(Name summary)" of the first spell numbered n with a freshly built summary, else n.
    std::string GetSpellEffect(int32_t n);
    // The one-line summary. May set the spell's MaxLevelStep from 0 to 1.
    std::string GetBasics(TSpell& spell);
    // The full description. Stores MaxDuration.
    std::string GetSpNotes(TSpell& spell);
    // Notes, then Basics, for every spell in order.
    void DoSpellNotes();

private:
    struct Summary {
        std::string Text;
        int Height = 1;    // summaries nested in this one, itself included
        bool Cut = false;  // a quote inside it was cut
    };
    Summary Summarise(TSpell& spell, int depth);
    // The "(Name summary)" text of spell n quoted from a summary at depth; adds to outer.
    std::string QuoteEffect(int32_t n, int depth, Summary& outer);

    SpellList& spells_;
    // Summaries that were built without a cut are the same wherever they are quoted, as long as
    // they fit under the depth limit there: keep them.
    std::unordered_map<const TSpell*, Summary> cache_;
    // A summary with a cut depends on the summaries being built around it, and on nothing else:
    // keep those by that chain, so that no quote builds one twice.
    std::map<std::vector<const TSpell*>, Summary> cutCache_;
    std::vector<const TSpell*> chain_;  // the summaries being built, outermost first
};

}  // namespace vantor
