#pragma once
// Reading the game data: both spell files, every spell's texts, then the item file with its
// ability texts (which name spells, hence the order).

#include "data/DataFile.h"
#include "data/GameData.h"

#include <string>

namespace vantor {

// Appends to spells and items what the files of dataDir hold. A bad line throws (EConvertError
// with its file and line); what was read before it stays in the lists.
void LoadRecords(const std::string& dataDir, SpellList& spells, ItemList& items, const Pump& pump);

}  // namespace vantor
