#pragma once
// The armour, weapon and spell filters: which records a filtered list shows, in the order the
// list receives them (before it is sorted).

#include "filters/Profile.h"

#include <functional>

namespace vantor {

struct ArmourBoxes {
    bool Plate = true, Scalemail = true, Chainmail = true, Leather = true, Ninja = true, Silk = true, None = true;
    bool NonMagical = false;  // only items that are not magical
    int32_t MinMagic = 0;     // the minimum magical level list's code
    int32_t WornCode = 0;     // the body part list's code; 0 for any
};

struct WeaponBoxes {
    bool OneHanded = true, TwoHanded = true, Edged = true, Blunt = true;
    bool NonMagical = false;
    int32_t MinMagic = 0;
};

struct SpellBoxes {
    bool MagicLevel1 = true, MagicLevel2 = true, MagicLevel3 = true;
};

using AddItem = std::function<void(const TItem&)>;
using AddSpell = std::function<void(const TSpell&)>;

// One pass a ticked material, heaviest first (leather is four armour types); the level is read
// at the start of every pass. A class-only list counts only its entries 1 to 15.
void FilterArmour(const ItemList& items, const Profile& profile, const ArmourBoxes& boxes, const AddItem& add);

// One pass a ticked combination of hands and edge, then for a Mage or a Mystic one for any type.
// A weapon accepted by two passes is added once.
void FilterWeapons(const ItemList& items, const Profile& profile, const WeaponBoxes& boxes, const AddItem& add);

// The spells of the caster type the class casts, at the ticked magic levels. For "(any)", the
// spells of a ticked magic level of every caster type, and every spell whose magic level is
// outside 1 to 3.
void FilterSpells(const SpellList& spells, int32_t classCode, const SpellBoxes& boxes, const AddSpell& add);

}  // namespace vantor
