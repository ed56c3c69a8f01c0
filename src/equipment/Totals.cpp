#include "equipment/Totals.h"

#include "data/Checked.h"
#include "data/CodeTables.h"
#include "data/Text.h"

#include <algorithm>

namespace vantor {
namespace {

constexpr int32_t kNotSummarised[] = {28, 43, 86, 100, 114, 121, 135, 137, 181, 182, 183, 184};

void AddItem(EquipmentTotals& t, const TItem& item)
{
    for (int i = 0; i < kSlots; ++i) {
        const int32_t code = item.Abilities[static_cast<size_t>(i)];
        if (code < 1 || code > 200) continue;
        int32_t& total = t.Abilities[static_cast<size_t>(code)];
        total = CheckedAdd(total, item.AbilityValues[static_cast<size_t>(i)]);
    }
    t.ArmourClass += item.ArmourClass;
    t.DamageResist += item.DamageResist;
    t.Accuracy = CheckedAdd(t.Accuracy, item.Accuracy);
    t.Stealth = CheckedAdd(t.Stealth, item.Stealth);
    t.Encumbrance = CheckedAdd(t.Encumbrance, item.Weight);
    t.EncumbranceBonus = CheckedAdd(t.EncumbranceBonus, item.EncumbranceBonus);
    t.Crits = CheckedAdd(t.Crits, item.Crits);
    t.MagicRes = CheckedAdd(t.MagicRes, item.MagicRes);
    t.Dodge = CheckedAdd(t.Dodge, item.Dodge);
    t.MaxDamageBonus = CheckedAdd(t.MaxDamageBonus, item.MaxDamageBonus);
}

}  // namespace

StartValues ReadStartValues(std::string_view miscEnc, std::string_view miscAC)
{
    StartValues v;
    if (!TryStrToInt(miscEnc, v.Encumbrance) || !TryStrToInt(miscAC, v.ArmourClass)) v = {};
    return v;
}

EquipmentTotals AddUpEquipment(const ChosenItems& chosen, std::string_view miscEnc, std::string_view miscAC)
{
    EquipmentTotals t;
    const StartValues start = ReadStartValues(miscEnc, miscAC);
    t.Encumbrance = start.Encumbrance;
    t.ArmourClass = start.ArmourClass;
    for (const Slot s : kListingOrder)
        if (const TItem* item = chosen[static_cast<size_t>(s)]) AddItem(t, *item);
    return t;
}

bool IsSummedAbility(int32_t code)
{
    return std::find(std::begin(kNotSummarised), std::end(kNotSummarised), code) == std::end(kNotSummarised);
}

std::string AbilitySummary(const EquipmentTotals& totals)
{
    std::string out;
    for (int32_t code = 1; code <= 200; ++code) {
        const int32_t total = totals.Abilities[static_cast<size_t>(code)];
        if (total == 0 || !IsSummedAbility(code)) continue;
        if (!out.empty()) out += ", ";
        out += GetFlagName(code) + (total > 0 ? " +" : " ") + IntToStr(total);
    }
    return out;
}

std::string SlotHint(const TItem& item)
{
    std::string out;
    std::string_view rest = item.Special;
    for (size_t at; (at = rest.find(", ")) != std::string_view::npos; rest.remove_prefix(at + 2)) {
        out.append(rest.substr(0, at));
        out += '\n';
    }
    out.append(rest);
    return out;
}

}  // namespace vantor
