#pragma once
// The character the player describes in the top panel, and what such a character may use:
// items by alignment, level and class, spells by alignment, level, class and magic level.

#include "data/GameData.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vantor {

class Profile {
public:
    Profile() = default;
    Profile(int32_t classCode, std::string levelText, bool good, bool neutral, bool evil)
        : ClassCode(classCode), LevelText(std::move(levelText)), Good(good), Neutral(neutral), Evil(evil)
    {}

    int32_t ClassCode = 0;  // 0 "(any)", 1..15 the classes
    std::string LevelText;  // as typed; read with GetNumber when first needed
    bool Good = false;
    bool Neutral = false;
    bool Evil = false;

    // The level: GetNumber of the level text, read once. Raises the conversion error for a
    // text with a minus sign or out of range.
    int32_t Level() const;

private:
    mutable std::optional<int32_t> level_;
};

// False when one of the ability codes clashes with a ticked alignment box.
bool AlignmentAllows(const Slots& abilities, const Profile& profile);

// May a character of this profile use the item: alignment, level, the class's armour and weapon
// rule, then the item's class-only and class-allowed lists.
bool MetClassFilter(const TItem& item, const Profile& profile);

// The caster type a class casts: 0 for a class that casts nothing, -1 for "(any)" (every type).
int32_t CasterTypeOfClass(int32_t classCode);

// May a character of this profile cast the spell: alignment, level, class and magic level.
bool metSpellCastorFilter(const TSpell& spell, const Profile& profile);

// The filter boxes and calculator inputs that suit a class.
struct ClassPreset {
    bool Plate, Scalemail, Chainmail, Leather, Ninja, Silk, NonMagicalArmour;
    bool OneHanded, TwoHanded, Edged, Blunt, NonMagicalWeapons;
    bool MagicLevel1, MagicLevel2, MagicLevel3;
    const char* ManaMagicLevel;  // the mana calculator's magic level
    const char* Combat;          // the swing calculator's combat rating; nullptr leaves it as it is
    const char* ManaLabel;       // "Intel", or "Charm" for a Bard
};

ClassPreset PresetForClass(int32_t classCode);

}  // namespace vantor
