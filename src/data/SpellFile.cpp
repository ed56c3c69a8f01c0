#include "data/SpellFile.h"

#include "data/Fields.h"
#include "data/Text.h"

#include <algorithm>

namespace vantor {

TSpell ParseSpellLine(std::string_view rawLine)
{
    std::string line(rawLine);
    std::replace(line.begin(), line.end(), '"', ' ');
    TSpell s;
    FieldCursor f(line);
    s.Number = StrToInt(f.Next());
    s.Name = std::string(f.Next());
    s.LevelCap = StrToInt(f.Next());
    s.Energy = StrToInt(f.Next());
    s.Level = StrToInt(f.Next());
    s.MinValue = StrToInt(f.Next());
    s.MaxValue = StrToInt(f.Next());
    s.SpellType = StrToInt(f.Next());
    s.Difficulty = StrToInt(f.Next());
    s.CasterType = StrToInt(f.Next());
    s.Mana = StrToInt(f.Next());
    s.MaxIncrement = StrToInt(f.Next());
    s.MaxLevelStep = StrToInt(f.Next());
    s.MagicLevel = StrToInt(f.Next());
    if (s.MagicLevel == 0 && s.CasterType > 0) s.MagicLevel = 1;
    s.LevelCapFlag = StrToInt(f.Next()) == 1;
    for (int32_t& v : s.AbilityValues) v = StrToInt(f.Next());
    for (int32_t& c : s.Abilities) c = StrToInt(f.Next());
    s.Targets = StrToInt(f.Next());
    s.Duration = StrToInt(f.Next());
    s.Element = StrToInt(f.Next());
    s.Code = std::string(f.Next());
    s.DurationIncrement = StrToInt(f.Next());
    s.DurationLevelStep = StrToInt(f.Next());
    s.MinIncrement = StrToInt(f.Next());
    s.MinLevelStep = StrToInt(f.Next());
    return s;
}

void Read1Spell(std::string_view line, SpellList& spells)
{
    TSpell spell = ParseSpellLine(line);
    if (spell.Name.find("sdf") != std::string::npos || spell.Name.find('1') != std::string::npos)
        return;
    spells.Add(std::move(spell));
}

void ReadSpellData(const std::string& dataDir, SpellList& spells, const Pump& pump)
{
    for (const char* name : {"spells.txt", "spellsVtab0.txt"}) {
        const std::string path = FindDataFile(dataDir, name);
        if (!path.empty())
            ReadLines(path, pump, [&](std::string_view line) { Read1Spell(line, spells); });
    }
}

}  // namespace vantor
