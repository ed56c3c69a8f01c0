#include "lists/ItemText.h"

#include "data/CodeTables.h"
#include "data/Text.h"

namespace vantor {

static void AddPart(std::string& special, const std::string& part)
{
    if (special.empty())
        special = part;
    else
        special += ", " + part;
}

void DescribeItem(TItem& item, SpellDescriber& spells)
{
    std::string& special = item.Special;
    special.clear();
    std::string spellChance;  // set by a "Spell%" ability, used by a later "Casts Spell"
    for (int i = 0; i < kSlots && special.size() <= kStopBuildingBytes; ++i) {
        const int32_t c = item.Abilities[i];
        const int32_t v = item.AbilityValues[i];
        if (c == 0 || c == 116 || c == 135) continue;
        const std::string f = GetFlagName(c);
        switch (c) {
        case 59:
            AddPart(special, f + " " + GetClass(v));
            break;
        case 114:
            spellChance = IntToStr(v) + "%";
            break;
        case 43:
            AddPart(special, f + " " + spells.GetSpellEffect(v) + " " + spellChance);
            break;
        case 97: case 98: case 100: case 112: case 113: case 119: case 138:
            AddPart(special, v == 0 ? f : f + " " + PlusMinusZero(v));
            break;
        case 28: case 86: case 142:
            AddPart(special, f + " " + IntToStr(v));
            break;
        default:  // 34, 96, 123, 145 and every other code
            AddPart(special, f + " " + PlusMinusZero(v));
            break;
        }
    }
    for (const int32_t cls : item.ClassOnly)
        if (cls != 0) AddPart(special, GetClass(cls) + " Only");
    for (const int32_t spell : item.Negates)
        if (spell != 0 && special.size() <= kStopBuildingBytes)
            AddPart(special, "Negate's " + spells.GetSpellName(spell));
    if (special.empty()) special = "None";
    CapText(special, kMaxTextBytes);
}

}  // namespace vantor
