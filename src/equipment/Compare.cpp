#include "equipment/Compare.h"

#include "data/CodeTables.h"
#include "data/Decimal.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/TypedNumber.h"
#include "equipment/Gains.h"
#include "equipment/Scale.h"
#include "lists/SpellNotes.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>

namespace vantor {

std::vector<Slot> CompareSlots(const TItem& item)
{
    std::vector<Slot> out;
    for (int s = 0; s < kSlotCount; ++s)
        if (SlotReceives(static_cast<Slot>(s), item)) out.push_back(static_cast<Slot>(s));
    return out;
}

EncumbranceCategory CategoryOfSet(const EquipmentTotals& t, std::string_view strength)
{
    // As the page: what cannot be read or worked out carries nothing.
    int32_t s = 0;
    try {
        s = GetNumber(strength);
    } catch (const EConvertError&) {
        return CategoryOf(t.Encumbrance, LimitsOf(0));
    }
    return CategoryOf(t.Encumbrance, LimitsOf(MaxEncumbranceIfAny(s, t.EncumbranceBonus).value_or(0)));
}

namespace {

std::optional<EncumbranceCategory> Category(const ChosenItems& chosen, const SetInputs& in)
{
    try {
        return CategoryOfSet(AddUpEquipment(chosen, in.MiscEnc, in.MiscAC), in.Strength);
    } catch (const EIntOverflow&) {
        return std::nullopt;
    }
}

std::map<int32_t, int64_t> AbilityTotals(const TItem* item)
{
    std::map<int32_t, int64_t> out;
    if (!item) return out;
    for (int i = 0; i < kSlots; ++i)
        if (const int32_t code = item->Abilities[static_cast<size_t>(i)]; code != 0)
            out[code] += item->AbilityValues[static_cast<size_t>(i)];
    return out;
}

// The figures of an item, each with the ability code the reader takes it from (0 for none): a
// figure and its ability are one quantity, shown once, as the totals count it.
struct Figure {
    const char* Stat;
    double (*Of)(const TItem&);
    int32_t Code;
    bool Real, LessIsBetter;
};
constexpr Figure kFigures[] = {
    {"Armour class", [](const TItem& i) { return i.ArmourClass; }, 0, true, false},
    {"Damage resistance", [](const TItem& i) { return i.DamageResist; }, 7, true, false},
    {"Encumbrance", [](const TItem& i) { return double(i.Weight); }, 0, false, true},
    {"Encumbrance bonus", [](const TItem& i) { return double(i.EncumbranceBonus); }, 96, false, false},
    {"Accuracy", [](const TItem& i) { return double(i.Accuracy); }, 0, false, false},
    {"Critical hits", [](const TItem& i) { return double(i.Crits); }, 58, false, false},
    {"Stealth", [](const TItem& i) { return double(i.Stealth); }, 27, false, false},
    {"Magic resistance", [](const TItem& i) { return double(i.MagicRes); }, 36, false, false},
    {"Dodge", [](const TItem& i) { return double(i.Dodge); }, 34, false, false},
    {"Max damage", [](const TItem& i) { return double(i.MaxDamageBonus); }, 4, false, false},
    {"Level needed", [](const TItem& i) { return double(i.MinLevel); }, 135, false, true},
};

bool IsFigure(int32_t code)
{
    for (const Figure& f : kFigures)
        if (f.Code == code) return true;
    return false;
}

// 1 when mine is better, -1 when theirs is, 0 when they are equal: higher is better, unless less is.
int Better(double mine, double theirs, bool lessIsBetter)
{
    if (mine == theirs) return 0;
    return (mine > theirs) != lessIsBetter ? 1 : -1;
}

}  // namespace

namespace {

// One side of a comparison: each figure, and every other ability by code.
struct Side {
    std::array<double, std::size(kFigures)> Figures{};
    std::map<int32_t, int64_t> Abilities;
};

Side SideOf(const TItem* item)
{
    Side side;
    if (!item) return side;
    for (size_t f = 0; f < std::size(kFigures); ++f) side.Figures[f] = kFigures[f].Of(*item);
    for (const auto& [code, v] : AbilityTotals(item))
        if (!IsFigure(code)) side.Abilities[code] = v;
    return side;
}

// A set's totals as one side; the level needed is that of the item that needs the most.
Side SideOf(const EquipmentTotals& t, const ChosenItems& chosen)
{
    Side side;
    const double figures[] = {
        t.ArmourClass,      t.DamageResist,          double(t.Encumbrance), double(t.EncumbranceBonus),
        double(t.Accuracy), double(t.Crits),         double(t.Stealth),     double(t.MagicRes),
        double(t.Dodge),    double(t.MaxDamageBonus)};
    static_assert(std::size(figures) + 1 == std::size(kFigures));
    std::copy(std::begin(figures), std::end(figures), side.Figures.begin());
    for (const TItem* item : chosen)
        if (item) side.Figures.back() = std::max(side.Figures.back(), double(item->MinLevel));
    // Spell numbers, chances of a cast and flags are not amounts: a set's sum of them means
    // nothing, and the page's summary leaves them out too.
    for (int32_t code = 1; code < static_cast<int32_t>(t.Abilities.size()); ++code)
        if (t.Abilities[static_cast<size_t>(code)] != 0 && !IsFigure(code) && IsSummedAbility(code))
            side.Abilities[code] = t.Abilities[static_cast<size_t>(code)];
    return side;
}

// A row per figure, then one per ability of either side, by code.
std::vector<CompareRow> RowsOf(const Side& mine, const Side& theirs, char sep)
{
    std::vector<CompareRow> rows;
    for (size_t i = 0; i < std::size(kFigures); ++i) {
        const Figure& f = kFigures[i];
        const double a = mine.Figures[i], b = theirs.Figures[i];
        // Armour class and damage resistance are whole tenths: their difference is taken in tenths,
        // so that 7.1 against 7.2 differs by -0.1 and not by a residue of binary fractions.
        const double diff = f.Real ? static_cast<double>(std::llround(a * 10) - std::llround(b * 10)) / 10 : a - b;
        const auto text = [&](double v) { return f.Real ? FormatReal(v, sep) : IntToStr(static_cast<int64_t>(v)); };
        std::string d = text(diff);
        if (diff > 0) d.insert(d.begin(), '+');
        rows.push_back({f.Stat, text(a), text(b), d, Better(a, b, f.LessIsBetter)});
    }
    std::map<int32_t, int> codes;
    for (const auto* side : {&mine.Abilities, &theirs.Abilities})
        for (const auto& [code, v] : *side) codes[code] = 0;
    for (const auto& [code, unused] : codes) {
        const auto a = mine.Abilities.find(code), b = theirs.Abilities.find(code);
        const int64_t x = a == mine.Abilities.end() ? 0 : a->second, y = b == theirs.Abilities.end() ? 0 : b->second;
        rows.push_back({GetFlagName(code), a == mine.Abilities.end() ? "" : PlusMinusZero(x),
                        b == theirs.Abilities.end() ? "" : PlusMinusZero(y), PlusMinusZero(x - y),
                        Better(static_cast<double>(x), static_cast<double>(y), false)});
    }
    return rows;
}

}  // namespace

Comparison CompareWithWorn(const TItem& item, Slot target, const ChosenItems& chosen, const SetInputs& in, char sep,
                           const Scale* scale)
{
    Comparison c;
    c.Target = target;
    c.Rows = RowsOf(SideOf(&item), SideOf(chosen[static_cast<size_t>(target)]), sep);
    ChosenItems swapped = chosen;
    swapped[static_cast<size_t>(target)] = &item;
    c.Before = Category(chosen, in);
    c.After = Category(swapped, in);
    if (scale) {
        const ScoreTable table(*scale);
        c.ScoreBefore = ScoreOf(table, chosen);
        c.ScoreAfter = ScoreOf(table, swapped);
    }
    return c;
}

SetComparison CompareSets(const ChosenItems& left, const SetInputs& leftIn, const ChosenItems& right,
                          const SetInputs& rightIn, char sep, const Scale& scale)
{
    SetComparison c;
    const ScoreTable table(scale);
    c.LeftScore = ScoreOf(table, left);
    c.RightScore = ScoreOf(table, right);
    c.Left = Category(left, leftIn);
    c.Right = Category(right, rightIn);
    try {
        c.Rows = RowsOf(SideOf(AddUpEquipment(left, leftIn.MiscEnc, leftIn.MiscAC), left),
                        SideOf(AddUpEquipment(right, rightIn.MiscEnc, rightIn.MiscAC), right), sep);
    } catch (const EIntOverflow&) {
        c.Rows.clear();  // a set that cannot be added up has no totals to show
    }
    return c;
}

std::string ScoreChange(const Comparison& c, const std::string& scaleName, char sep)
{
    if (!c.ScoreBefore || !c.ScoreAfter) return {};
    const SetScore difference = *c.ScoreAfter - *c.ScoreBefore;
    return "Score under \"" + scaleName + "\": " + DecimalText(*c.ScoreBefore, 3, sep) + " now, " +
           DecimalText(*c.ScoreAfter, 3, sep) + " after the swap (" + GainText(difference, sep) + ")";
}

std::string CategoryChange(const Comparison& c)
{
    const auto name = [](const std::optional<EncumbranceCategory>& k) {
        return std::string(k ? CategoryName(*k) : "cannot be added up");
    };
    if (c.Before == c.After) return "Encumbrance stays " + name(c.Before);
    return "Encumbrance: " + name(c.Before) + " now, " + name(c.After) + " after the swap";
}

}  // namespace vantor
