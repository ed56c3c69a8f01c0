#include "lists/ItemText.h"

#include "data/CodeTables.h"
#include "data/Text.h"

#include <charconv>
#include <cstdint>

namespace vantor {
namespace {

void AppendNumber(std::string& out, int64_t n, bool plus)
{
    char buffer[24];
    char* p = buffer;
    if (plus && n > 0) *p++ = '+';
    p = std::to_chars(p, buffer + sizeof buffer, n).ptr;
    out.append(buffer, p);
}

}  // namespace

void DescribeItem(TItem& item, SpellDescriber& spells)
{
    DescribeItem(item, spells, [&spells](std::string& out, int32_t n) { out += spells.GetSpellEffect(n); });
}

void DescribeItem(TItem& item, const SpellDescriber& spells, const SpellEffect& effect)
{
    // Built in one buffer kept by the thread, then copied once at its size: no other allocation
    // for most items.
    thread_local std::string special;
    special.clear();
    const auto part = [&]() -> std::string& {
        if (!special.empty()) special += ", ";
        return special;
    };
    std::string spellChance;  // set by a "Spell%" ability, used by a later "Casts Spell"
    for (int i = 0; i < kSlots && special.size() <= kStopBuildingBytes; ++i) {
        const int32_t c = item.Abilities[i];
        const int32_t v = item.AbilityValues[i];
        if (c == 0 || c == 116 || c == 135) continue;
        if (c == 114) {
            spellChance = IntToStr(v) + "%";
            continue;
        }
        AppendFlagName(part(), c);
        switch (c) {
        case 59:
            special += ' ';
            AppendClass(special, v);
            break;
        case 43:
            special += ' ';
            effect(special, v);
            special += ' ';
            special += spellChance;
            break;
        case 97:
        case 98:
        case 100:
        case 112:
        case 113:
        case 119:
        case 138:
            if (v != 0) {
                special += ' ';
                AppendNumber(special, v, true);
            }
            break;
        case 28:
        case 86:
        case 142:
            special += ' ';
            AppendNumber(special, v, false);
            break;
        default:  // 34, 96, 123, 145 and every other code
            special += ' ';
            AppendNumber(special, v, true);
            break;
        }
    }
    for (const int32_t cls : item.ClassOnly)
        if (cls != 0) {
            AppendClass(part(), cls);
            special += " Only";
        }
    for (const int32_t spell : item.Negates)
        if (spell != 0 && special.size() <= kStopBuildingBytes) part() += "Negate's " + spells.GetSpellName(spell);
    if (special.empty()) special = "None";
    CapText(special, kMaxTextBytes);
    item.Special.assign(special);
}

}  // namespace vantor
