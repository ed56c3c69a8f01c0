#pragma once
// The four calculators: true average damage, mana regeneration, swings per round and the mana
// upkeep of blessing spells. Numbers in, numbers (or an error) out.

#include "data/GameData.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// True average damage per round.
struct DamageFigures {
    int32_t HitPct = 0, HitAvg = 0, CritPct = 0, CritAvg = 0, ExtraPct = 0, ExtraAvg = 0;
};

double TrueAverage(const DamageFigures& f, double swings);

// The swings box as a real number with the given decimal separator; 5 when it is not one.
double SwingsOrDefault(std::string_view text, char decimalSep);

// The figures of a damage summary copied from the game: each percentage within the 9 characters
// after "Hit:", "Extra:" and "Crit:", each average within the 4 after the next "Avg:". Nothing
// when the text lacks "Miss:" or "Extra:". A figure holding a minus sign raises the conversion
// error.
std::optional<DamageFigures> ReadDamageSummary(std::string_view text);

// Mana regeneration per tick.
bool ClassHasMana(int32_t classCode);

// (level + 20) x stat x (magic level + 2) / 1650, where the stat is willpower for priests,
// intellect for mages and bards, their mean for druids and rangers, and 0 for the rest.
long double ManaTick(int32_t classCode, int32_t intellect, int32_t willpower, int32_t magicLevel, int32_t level);

// Swings per round: the energy a swing costs, rounds of 1000 energy with the rest carried over.
enum class SwingMode { Normal, Speed, Slow };

struct SwingInputs {
    int32_t Encumbrance = 0, MaxEncumbrance = 0;
    int32_t Strength = 0, Agility = 0, Level = 0, Combat = 0;
    int32_t StrengthReq = 0, Speed = 0;  // the weapon's
    bool Slowness = false;
    SwingMode Mode = SwingMode::Normal;
    int32_t SpeedPercent = 85, SlowPercent = 125;
};

struct SwingResult {
    int32_t EnergyPerSwing = 0;
    std::string Hint;           // for the Calculate button
    double SwingsPerRound = 0;  // the estimate handed to the true average (at most 5 when above)
    std::array<int32_t, 10> Rounds{};
};

// 32-bit arithmetic throughout: EIntOverflow past its range, EDivByZero for a maximum
// encumbrance of 0 or an energy per swing of 0.
SwingResult CalculateSwings(const SwingInputs& in);

// The duration of a blessing at the character's level (capped at the spell's level cap).
int64_t BlessingDuration(const TSpell& spell, int32_t level);
// Whether the blessing planner offers the spell: a lasting spell on the caster or the party,
// with a name, a code and a caster type.
bool IsBlessing(const TSpell& spell);
// Mana per tick to keep one blessing of that duration up; 0 for a duration of 0 or less.
double BlessingUpkeep(const TSpell& spell, int64_t duration);

}  // namespace vantor
