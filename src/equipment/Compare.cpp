#include "equipment/Compare.h"

#include "data/CodeTables.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/TypedNumber.h"
#include "lists/SpellNotes.h"

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

}  // namespace

Comparison CompareWithWorn(const TItem& item, Slot target, const ChosenItems& chosen, const SetInputs& in, char sep)
{
    Comparison c;
    c.Target = target;
    const TItem* worn = chosen[static_cast<size_t>(target)];
    const auto add = [&](const char* stat, double mine, double theirs, bool lessIsBetter, bool real) {
        const auto text = [&](double v) { return real ? FormatReal(v, sep) : IntToStr(static_cast<int64_t>(v)); };
        const double diff = mine - theirs;
        std::string d = text(diff);
        if (diff > 0) d.insert(d.begin(), '+');
        const int better = diff == 0 ? 0 : ((diff < 0) == lessIsBetter ? 1 : -1);
        c.Rows.push_back({stat, text(mine), text(theirs), d, better});
    };
    const TItem none;
    const TItem& w = worn ? *worn : none;
    add("Armour class", item.ArmourClass, w.ArmourClass, false, true);
    add("Damage resistance", item.DamageResist, w.DamageResist, false, true);
    add("Encumbrance", item.Weight, w.Weight, true, false);
    add("Accuracy", item.Accuracy, w.Accuracy, false, false);
    add("Critical hits", item.Crits, w.Crits, false, false);
    add("Stealth", item.Stealth, w.Stealth, false, false);
    add("Magic resistance", item.MagicRes, w.MagicRes, false, false);
    add("Dodge", item.Dodge, w.Dodge, false, false);
    add("Max damage", item.MaxDamageBonus, w.MaxDamageBonus, false, false);
    add("Level", item.MinLevel, w.MinLevel, true, false);
    const auto mine = AbilityTotals(&item), theirs = AbilityTotals(worn);
    std::map<int32_t, int> codes;
    for (const auto& [code, v] : mine) codes[code] = 0;
    for (const auto& [code, v] : theirs) codes[code] = 0;
    for (const auto& [code, unused] : codes) {
        const auto a = mine.find(code), b = theirs.find(code);
        const int64_t x = a == mine.end() ? 0 : a->second, y = b == theirs.end() ? 0 : b->second;
        CompareRow row{GetFlagName(code), a == mine.end() ? "" : PlusMinusZero(x), b == theirs.end() ? "" : PlusMinusZero(y),
                       PlusMinusZero(x - y), x == y ? 0 : (x > y ? 1 : -1)};
        c.Rows.push_back(std::move(row));
    }
    ChosenItems swapped = chosen;
    swapped[static_cast<size_t>(target)] = &item;
    c.Before = Category(chosen, in);
    c.After = Category(swapped, in);
    return c;
}

}  // namespace vantor
