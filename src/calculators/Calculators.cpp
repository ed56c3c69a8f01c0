#include "calculators/Calculators.h"

#include "data/Checked.h"
#include "data/TypedNumber.h"
#include "lists/SpellNotes.h"

#include <cmath>
#include <cstdlib>

namespace vantor {

double TrueAverage(const DamageFigures& f, double swings)
{
    const double normal = f.HitPct / 100.0 * f.HitAvg;
    const double critical = f.CritPct / 100.0 * f.CritAvg;
    const double extra = f.ExtraPct / 100.0 * f.ExtraAvg * (f.CritPct / 100.0 + f.HitPct / 100.0);
    return (normal + critical + extra) * swings;
}

double SwingsOrDefault(std::string_view text, char decimalSep)
{
    // A real number: optional blanks and sign, digits with at most one separator, an optional
    // exponent; nothing else.
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::string s;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == decimalSep)
            s += '.';
        else if (c == '.' || c == ',' || (c != '-' && c != '+' && c != 'e' && c != 'E' && (c < '0' || c > '9')))
            return 5.0;
        else
            s += c;
    }
    if (s.empty() || s.find_first_of("0123456789") == std::string::npos) return 5.0;
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || !std::isfinite(v)) return 5.0;
    return v;
}

std::optional<DamageFigures> ReadDamageSummary(std::string_view text)
{
    if (text.find("Miss:") == std::string_view::npos || text.find("Extra:") == std::string_view::npos)
        return std::nullopt;
    // The figure in the width characters after the first label of text; 0 without that label.
    const auto figure = [](std::string_view t, std::string_view label, size_t width) {
        const size_t at = t.find(label);
        return at == std::string_view::npos ? 0 : GetNumber(t.substr(at + label.size(), width));
    };
    DamageFigures f;
    f.HitPct = figure(text, "Hit:", 9);
    f.HitAvg = figure(text, "Avg:", 4);
    text = text.substr(text.find("Extra:"));
    f.ExtraPct = figure(text, "Extra:", 9);
    f.ExtraAvg = figure(text, "Avg:", 4);
    if (const size_t crit = text.find("Crit:"); crit != std::string_view::npos) text = text.substr(crit);
    f.CritPct = figure(text, "Crit:", 9);
    f.CritAvg = figure(text, "Avg:", 4);
    return f;
}

bool ClassHasMana(int32_t k) { return !(k == 0 || k == 1 || k == 2 || k == 7 || k == 8 || k == 15); }

long double ManaTick(int32_t k, int32_t intellect, int32_t willpower, int32_t magicLevel, int32_t level)
{
    long double stat = 0;
    if (k == 13 || k == 14)
        stat = CheckedAdd(intellect, willpower) / 2.0;
    else if (k >= 3 && k <= 6)
        stat = willpower;
    else if (k >= 9 && k <= 12)
        stat = intellect;
    const double a = level / 100.0 + 0.2;
    const double b = magicLevel / 100.0 + 0.02;
    return static_cast<long double>(a) * 100 * stat * b * 100 / 1650;
}

SwingResult CalculateSwings(const SwingInputs& in)
{
    const int32_t p = CheckedDiv(CheckedMul(in.Encumbrance, 100), in.MaxEncumbrance);
    int32_t speed = in.Speed;
    if (in.Slowness) speed = CheckedDiv(CheckedMul(speed, 3), 2);
    const int32_t g = CheckedMul(in.Level, CheckedAdd(in.Combat, 2));
    const int32_t h = CheckedMul(CheckedAdd(g, 45), CheckedAdd(in.Agility, 150));
    const int32_t d = CheckedDiv(CheckedMul(h, 1500), 9000);
    int32_t e = CheckedDiv(CheckedMul(speed, 1000), d);
    const bool weak = in.Strength < in.StrengthReq;
    if (weak)
        e = CheckedDiv(CheckedMul(e, CheckedAdd(CheckedMul(CheckedSub(in.StrengthReq, in.Strength), 3), 200)), 200);
    int32_t q = CheckedDiv(CheckedMul(e, CheckedAdd(p / 2, 75)), 100);
    if (in.Mode == SwingMode::Slow) q = CheckedDiv(CheckedMul(q, in.SlowPercent), 100);
    if (in.Mode == SwingMode::Speed) q = CheckedDiv(CheckedMul(q, in.SpeedPercent), 100);

    SwingResult r;
    r.EnergyPerSwing = q;
    if (weak) {
        r.Hint = ":|";
    } else {
        int32_t x = 0;
        if (q < 200 && p <= 66) x = CheckedAdd(CheckedSub(200, q), CheckedSub(in.Agility, 50) / 10);
        if (x > 20) x = 20;
        if (p >= 33) x /= 2;
        r.Hint = std::to_string(x);
    }
    if (q == 0) throw EDivByZero();
    r.SwingsPerRound = std::floor(1000.0 / q) > 5 ? 5 : 1000.0 / q;
    int32_t energy = 1000;
    for (int32_t& swings : r.Rounds) {
        swings = CheckedDiv(energy, q);
        energy = CheckedAdd(energy % q, 1000);
    }
    return r;
}

int64_t BlessingDuration(const TSpell& spell, int32_t level)
{
    return MaxDuration(spell, level > spell.LevelCap ? spell.LevelCap : level);
}

bool IsBlessing(const TSpell& spell)
{
    const int32_t t = spell.Targets;
    return (t == 0 || t == 1 || t == 2 || t == 13) && !spell.Name.empty() && !spell.Code.empty() &&
           spell.CasterType > 0;
}

double BlessingUpkeep(const TSpell& spell, int64_t duration)
{
    return duration > 0 ? 10.0 / static_cast<double>(duration) * spell.Mana : 0.0;
}

}  // namespace vantor
