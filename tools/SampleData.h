#pragma once
// Our own generator of item and spell exports in the game's formats: an invented world whose
// names say what things are. Armour is named by where it is worn and what it is made of, and
// grows stronger with the level it needs; weapons are quick or heavy as their kind is; spells fit
// their caster, element and effect. The same seed and sizes always give the same bytes.

#include <cstdint>
#include <string>
#include <vector>

namespace vantorgen {

struct SampleSizes {
    int Items = 400;
    int Spells = 100;      // in spells.txt
    int ExtraSpells = 12;  // in spellsVtab0.txt
};

// Writes Items.txt, spells.txt and spellsVtab0.txt into dir (which must exist).
// Returns false when a file cannot be written.
bool WriteSampleData(const std::string& dir, const SampleSizes& sizes, uint64_t seed = 1);

// The world's words, for the checks of the data.

// The nouns of the armour worn at a body-part code (the fingers' 4 and 13 share theirs).
struct SlotNouns {
    int Worn;
    std::vector<std::string> Nouns;
};
const std::vector<SlotNouns>& ArmourNouns();

// The words that name what an armour piece is made of, by the armour list's "Type" of it:
// "Chainmail" for the words "Chain" and "Chainmail"; "None" for cloth, wood and metal.
struct MaterialWords {
    std::string Material;
    std::vector<std::string> Words;
};
const std::vector<MaterialWords>& ArmourMaterials();

// A kind of weapon: its noun, its weapon type (0 one-handed blunt, 1 two-handed blunt, 2
// one-handed edged, 3 two-handed edged) and the speeds it comes in.
struct WeaponKind {
    std::string Noun;
    int WeaponType;
    int SpeedLow, SpeedHigh;
    int Damage;  // the average damage of one at level 75
};
const std::vector<WeaponKind>& WeaponKinds();

// The nouns of the other items, by item type (2 projectile ... 10 special).
struct TypeNouns {
    int ItemType;
    std::vector<std::string> Nouns;
};
const std::vector<TypeNouns>& OtherNouns();

}  // namespace vantorgen
