#include "lists/SpellNotes.h"

#include "data/CodeTables.h"
#include "data/Text.h"

#include <algorithm>
#include <cmath>

namespace vantor {
namespace {

// Codes whose zero value does not mean "use the spell's range".
bool InFirstCodeSet(int32_t c)
{
    switch (c) {
    case 23:
    case 52:
    case 80:
    case 97:
    case 100:
    case 108:
    case 109:
    case 110:
    case 111:
    case 112:
    case 113:
    case 115:
    case 119:
    case 120:
    case 122:
    case 138:
    case 144:
    case 148:
    case 151: return true;
    default: return false;
    }
}

// Codes shown by name alone when their value is zero.
bool InSecondCodeSet(int32_t c)
{
    switch (c) {
    case 23:
    case 52:
    case 100:
    case 108:
    case 119:
    case 138:
    case 144: return true;
    default: return false;
    }
}

long long RoundToEven(double v) { return static_cast<long long>(std::nearbyint(v)); }

// ", Min: ..." or ", Max: ..." with the level formula and its total at level L.
std::string RangeClause(const std::string& head, int32_t value, int32_t increment, int32_t step, int32_t level)
{
    const long long total = RangeTotal(value, increment, step, level);
    std::string clause =
        head + Format(": %d + (level*%d)/%d, (Total:%lld at level %d)", value, increment, step, total, level);
    ReplaceFirst(clause, "(level*1)", "level");
    ReplaceFirst(clause, "+ (level*0)/0", " ");
    ReplaceFirst(clause, "level/0", "level");
    return clause;
}

// Replaces the first "level*1" that is not followed by another digit.
void ReplaceLevelTimesOne(std::string& s)
{
    const std::string what = "level*1";
    for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) {
        const size_t after = p + what.size();
        if (after < s.size() && s[after] >= '0' && s[after] <= '9') continue;
        s.replace(p, what.size(), "level");
        return;
    }
}

// The most spell numbers an "End Cast" range names one by one.
constexpr long long kMaxRangeNames = 256;

}  // namespace

long long RangeTotal(int32_t value, int32_t increment, int32_t step, int32_t level)
{
    if (step == 0) return static_cast<long long>(value) + static_cast<long long>(increment) * level;
    return RoundToEven(static_cast<double>(increment) / step * level + value);
}

SpellDamage DamageOf(const TSpell& spell, int32_t casterLevel)
{
    SpellDamage d;
    const bool capped = spell.LevelCap >= 1 && spell.LevelCap <= 99;
    const int32_t level = casterLevel <= 0 ? DescriptionLevel(spell)
                          : capped         ? std::min(casterLevel, spell.LevelCap)
                                           : casterLevel;
    if (spell.Duration > 0) d.Rounds = MaxDuration(spell, level);
    for (int i = 0; i < kSlots; ++i) {
        const int32_t c = spell.Abilities[i];
        if ((c != 1 && c != 17) || spell.AbilityValues[i] != 0) continue;
        const long long least = RangeTotal(spell.MinValue, spell.MinIncrement, spell.MinLevelStep, level);
        const long long most = RangeTotal(spell.MaxValue, spell.MaxIncrement, spell.MaxLevelStep, level);
        d.Damage = (static_cast<double>(least) + static_cast<double>(most)) / 2;
        if (d.Rounds) *d.Damage *= static_cast<double>(*d.Rounds);
        if (spell.Mana != 0) d.PerMana = *d.Damage / spell.Mana;
        break;
    }
    return d;
}

std::string PlusMinusZero(int64_t n)
{
    if (n == 0) return "0";
    std::string text = IntToStr(n);
    if (n > 0) text.insert(text.begin(), '+');
    return text;
}

std::string AddCommaSpace(const std::string& text, const std::string& mode)
{
    if (mode == "S") return text + " ";
    if (mode == "B") return text + ", ";
    return text;
}

int32_t DescriptionLevel(const TSpell& spell)
{
    return spell.LevelCap >= 1 && spell.LevelCap <= 99 ? spell.LevelCap : 75;
}

int64_t MaxDuration(const TSpell& spell, int32_t level)
{
    const int64_t growth = static_cast<int64_t>(spell.DurationIncrement) * level;
    if (spell.DurationLevelStep > 1) return spell.Duration + growth / spell.DurationLevelStep;
    return spell.Duration + growth;
}

std::string SpellDescriber::GetSpellName(int32_t n) const
{
    const TSpell* s = spells_.Find(n);
    if (!s) return IntToStr(n);
    return s->Name + " (" + IntToStr(s->Number) + ")";
}

std::string SpellDescriber::GetSpellEffect(int32_t n)
{
    Summary top;
    return QuoteEffect(n, 0, top);
}

std::string SpellDescriber::QuoteEffect(int32_t n, int depth, Summary& outer)
{
    TSpell* s = spells_.Find(n);
    if (!s) return IntToStr(n);
    const int inner = depth + 1;
    const bool inCycle = std::find(chain_.begin(), chain_.end(), s) != chain_.end();
    if (inCycle || inner > kMaxSummaryDepth) {
        outer.Cut = true;
        return "(" + s->Name + " ...)";
    }
    const Summary quoted = Summarise(*s, inner);
    outer.Cut = outer.Cut || quoted.Cut;
    outer.Height = std::max(outer.Height, quoted.Height + 1);
    return "(" + s->Name + " " + quoted.Text + ")";
}

std::string SpellDescriber::GetBasics(TSpell& spell) { return Summarise(spell, 1).Text; }

SpellDescriber::Summary SpellDescriber::Summarise(TSpell& spell, int depth)
{
    const auto hit = cache_.find(&spell);
    if (hit != cache_.end() && depth + hit->second.Height - 1 <= kMaxSummaryDepth) return hit->second;
    if (!cutCache_.empty()) {
        std::vector<const TSpell*> chain = chain_;
        chain.push_back(&spell);
        if (const auto cut = cutCache_.find(chain); cut != cutCache_.end()) return cut->second;
    }

    chain_.push_back(&spell);
    Summary result;
    std::string& b = result.Text;
    std::string percent;
    for (int i = 0; i < kSlots; ++i) {
        const int32_t c = spell.Abilities[i];
        const int32_t v = spell.AbilityValues[i];
        if (c == 0 || c == 115 || c == 120 || c == 122 || c == 144) continue;
        std::string clause;
        if (v == 0 && i == 0) {
            clause = GetFlagName(c);
            if (c != 108) {
                if (spell.MinValue == spell.MaxValue && spell.MaxValue != 0) {
                    clause += ' ';
                    AppendInt(clause, spell.MaxValue);
                } else if (spell.MinValue == 0 && spell.MaxValue == 0) {
                    if (spell.MaxLevelStep == 0) spell.MaxLevelStep = 1;
                    const long long top =
                        RoundToEven(static_cast<double>(spell.MaxIncrement) / spell.MaxLevelStep * spell.LevelCap);
                    clause += ' ';
                    AppendInt(clause, spell.MinValue);
                    clause += " to ";
                    AppendInt(clause, top);
                } else {
                    clause += ' ';
                    AppendInt(clause, spell.MinValue);
                    clause += " to ";
                    AppendInt(clause, spell.MaxValue);
                }
            }
        } else if (v != 0 && c == 164) {
            percent = IntToStr(v) + "%";
        } else if (v != 0 && c == 151 && v != spell.Number) {
            clause = GetFlagName(c) + " " + QuoteEffect(v, depth, result) + percent;
        } else if (v != 0) {
            clause = GetFlagName(c) + " " + PlusMinusZero(v);
        }
        b += clause;
        b += ' ';
        if (b.size() > kStopBuildingBytes) break;
    }
    if (spell.Duration > 0) {
        b += "per/rnd for ";
        AppendInt(b, spell.Duration);
        b += " rounds";
    }
    b = std::string(TrimSpaces(b));
    CapText(b, kMaxTextBytes);
    chain_.pop_back();

    if (result.Cut) {
        std::vector<const TSpell*> chain = chain_;
        chain.push_back(&spell);
        cutCache_[std::move(chain)] = result;
    } else
        cache_[&spell] = result;
    return result;
}

std::string SpellDescriber::GetSpNotes(TSpell& spell)
{
    const int32_t level = DescriptionLevel(spell);
    std::string s;
    for (int i = 0; i < kSlots && s.size() <= kStopBuildingBytes; ++i) {
        const int32_t c = spell.Abilities[i];
        const int32_t v = spell.AbilityValues[i];
        if (c == 0) continue;
        const std::string name = GetFlagName(c);
        if (v == 0 && !InFirstCodeSet(c)) {
            s += RangeClause(", " + name + " , Min", spell.MinValue, spell.MinIncrement, spell.MinLevelStep, level);
            s += RangeClause(", Max", spell.MaxValue, spell.MaxIncrement, spell.MaxLevelStep, level);
        } else if (c == 115 || c == 120) {
        } else if (c == 151) {
            s += ", " + name + " of ";
            if (v != 0 || spell.MinValue > spell.MaxValue) {
                s += ", " + GetSpellName(v);
            } else {
                const long long first = spell.MinValue, last = spell.MaxValue;
                if (last - first + 1 <= kMaxRangeNames) {
                    for (long long k = first; k <= last && s.size() <= kStopBuildingBytes; ++k)
                        s += ", " + GetSpellName(static_cast<int32_t>(k));
                } else {
                    // An absurd range: name the first numbers, then the last one.
                    for (long long k = first; k < first + kMaxRangeNames - 1 && s.size() <= kStopBuildingBytes; ++k)
                        s += ", " + GetSpellName(static_cast<int32_t>(k));
                    s += ", ..., " + GetSpellName(spell.MaxValue);
                }
            }
        } else if (c == 122 && v != 0) {
            s += ", " + name + " " + GetSpellName(v);
        } else if ((c == 14 || c == 97 || c == 98) && v != 0) {
            s += ", " + name + " " + PlusMinusZero(spell.MinValue);
        } else if (v == 0 && InSecondCodeSet(c)) {
            s += ", " + name;
        } else if (((c == 22 || c == 74) && v != 0) || (c == 148 && v == 0)) {
            if (spell.MaxValue == spell.MinValue) s += ", " + name + " " + PlusMinusZero(spell.MaxValue);
        } else {
            s += ", " + name + " " + IntToStr(v);
        }
    }
    if (spell.Duration > 0) {
        const int64_t total = MaxDuration(spell, level);
        std::string t = Format(", Length: %d rounds", spell.Duration);
        if (spell.DurationLevelStep > 1)
            t += Format(" + (level*%d)/%d, (Max:%lld rounds at level %d)", spell.DurationIncrement,
                        spell.DurationLevelStep, static_cast<long long>(total), level);
        else
            t += Format(" + level*%d, (Max:%lld rounds at level %d)", spell.DurationIncrement,
                        static_cast<long long>(total), level);
        spell.MaxDuration = total;
        ReplaceFirst(t, "(level*1)", "level");
        ReplaceLevelTimesOne(t);
        ReplaceFirst(t, "+ level*0", " ");
        s += t;
    }
    if (spell.Energy > 0) {
        s += ", Energy = ";
        AppendInt(s, spell.Energy);
    }
    if (s.empty()) return s;
    std::string notes(TrimSpaces(std::string_view(s).substr(1)));
    CapText(notes, kMaxTextBytes);
    return notes;
}

void SpellDescriber::DoSpellNotes()
{
    cache_.reserve(spells_.size());
    for (TSpell& spell : spells_) {
        spell.Notes = GetSpNotes(spell);
        spell.Basics = GetBasics(spell);
    }
}

}  // namespace vantor
