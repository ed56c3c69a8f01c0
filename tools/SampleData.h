#pragma once
// Our own generator of item and spell exports in the game's formats, with invented names.
// The same seed and sizes always give the same bytes.

#include <cstdint>
#include <string>

namespace vantorgen {

struct SampleSizes {
    int Items = 400;
    int Spells = 100;      // in spells.txt
    int ExtraSpells = 12;  // in spellsVtab0.txt
};

// Writes Items.txt, spells.txt and spellsVtab0.txt into dir (which must exist).
// Returns false when a file cannot be written.
bool WriteSampleData(const std::string& dir, const SampleSizes& sizes, uint64_t seed = 1);

}  // namespace vantorgen
