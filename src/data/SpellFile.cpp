#include "data/SpellFile.h"

#include "data/Fields.h"
#include "data/Text.h"

#include <algorithm>

namespace vantor {

TSpell ParseSpellLine(std::string_view rawLine)
{
    // Quotes count as blanks; a line without any is read as it is.
    std::string quoted;
    std::string_view line = rawLine;
    if (line.find('"') != std::string_view::npos) {
        quoted.assign(rawLine);
        std::replace(quoted.begin(), quoted.end(), '"', ' ');
        line = quoted;
    }
    TSpell s;
    FieldReader f(line);
    s.Number = f.Int();
    s.Name = std::string(f.Text());
    s.LevelCap = f.Int();
    s.Energy = f.Int();
    s.Level = f.Int();
    s.MinValue = f.Int();
    s.MaxValue = f.Int();
    s.SpellType = f.Int();
    s.Difficulty = f.Int();
    s.CasterType = f.Int();
    s.Mana = f.Int();
    s.MaxIncrement = f.Int();
    s.MaxLevelStep = f.Int();
    s.MagicLevel = f.Int();
    if (s.MagicLevel == 0 && s.CasterType > 0) s.MagicLevel = 1;
    s.LevelCapFlag = f.Int() == 1;
    f.Take(s.AbilityValues);
    f.Take(s.Abilities);
    s.Targets = f.Int();
    s.Duration = f.Int();
    s.Element = f.Int();
    s.Code = std::string(f.Text());
    s.DurationIncrement = f.Int();
    s.DurationLevelStep = f.Int();
    s.MinIncrement = f.Int();
    s.MinLevelStep = f.Int();
    return s;
}

void Read1Spell(std::string_view line, SpellList& spells)
{
    TSpell spell = ParseSpellLine(line);
    if (spell.Name.find("sdf") != std::string::npos || spell.Name.find('1') != std::string::npos) return;
    spells.Add(std::move(spell));
}

void ReadSpellData(const std::string& dataDir, SpellList& spells, const Pump& pump)
{
    for (const char* name : {"spells.txt", "spellsVtab0.txt"}) {
        const std::string path = FindDataFile(dataDir, name);
        if (!path.empty()) ReadLines(path, pump, [&](std::string_view line) { Read1Spell(line, spells); });
    }
}

}  // namespace vantor
