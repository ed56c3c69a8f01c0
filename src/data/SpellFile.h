#pragma once
// The spell exports: "spells.txt", then "spellsVtab0.txt".

#include "data/DataFile.h"
#include "data/GameData.h"

#include <string_view>

namespace vantor {

// Parses one line of 43 fields (double quotes anywhere count as blanks). Throws EConvertError.
TSpell ParseSpellLine(std::string_view line);

// Parses one line and appends the spell unless its name contains "sdf" or the digit 1.
void Read1Spell(std::string_view line, SpellList& spells);

// Reads both spell files of dataDir, each when it exists, into spells.
void ReadSpellData(const std::string& dataDir, SpellList& spells, const Pump& pump);

}  // namespace vantor
