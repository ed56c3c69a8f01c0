#pragma once
// Reading the game data: both spell files, every spell's texts, then the item file with its
// ability texts (which name spells, hence the order).

#include "data/DataFile.h"
#include "data/GameData.h"

#include <string>

namespace vantor {

// Appends to spells and items what the files of dataDir hold. A bad line throws (EConvertError
// with its file and line); what was read before it stays in the lists. pump is called on the
// calling thread only.
//
// With two threads the item file is read on a second one while the spells and their texts are
// built, and the item texts are built in two halves; the records, texts and errors are the same
// as with one.
void LoadRecords(const std::string& dataDir, SpellList& spells, ItemList& items, const Pump& pump, int threads = 2);

// Asks the C library to keep memory the program frees for its next use instead of handing it
// back to the system: a reload then reuses the pages of the load before rather than faulting in
// fresh ones, which on a large database costs more than the reading. Call once, at the start.
void KeepFreedMemory();

}  // namespace vantor
