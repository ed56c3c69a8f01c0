#include "filters/Profile.h"

#include "data/TypedNumber.h"

#include <initializer_list>

namespace vantor {
namespace {

bool In(int32_t code, std::initializer_list<int32_t> set)
{
    for (const int32_t c : set)
        if (c == code) return true;
    return false;
}

// The class's rule for armour (by armour type) and weapons (by weapon type).
bool ClassRuleAllows(const TItem& item, int32_t c)
{
    if (item.ItemType == 0) {
        const int32_t t = item.ArmourType;
        switch (c) {
        case 1:
        case 3:
        case 4: return t <= 9;
        case 2: return item.Magical == 0 && t <= 8;
        case 5:
        case 12:
        case 15: return t <= 1;
        case 7: return t <= 2;
        case 11: return t <= 7;
        case 6:
        case 8:
        case 9:
        case 10:
        case 13:
        case 14: return t <= 6;
        default: return false;
        }
    }
    if (item.ItemType == 1) {
        const int32_t t = item.WeaponType;
        switch (c) {
        case 1:
        case 3:
        case 7:
        case 14: return t <= 3;
        case 2: return item.Magical == 0 && t <= 3;
        case 4:
        case 5:
        case 13: return t <= 1;
        case 6:
        case 8:
        case 9:
        case 10:
        case 11: return t == 0 || t == 2;
        default: return false;
        }
    }
    return false;
}

}  // namespace

int32_t Profile::Level() const
{
    if (!level_) level_ = GetNumber(LevelText);
    return *level_;
}

bool AlignmentAllows(const Slots& abilities, const Profile& p)
{
    for (const int32_t code : abilities) {
        if (p.Good && In(code, {98, 110, 112})) return false;
        if (p.Neutral && In(code, {97, 98, 113})) return false;
        if (p.Evil && In(code, {97, 111, 112})) return false;
    }
    return true;
}

bool MetClassFilter(const TItem& item, const Profile& p)
{
    if (!AlignmentAllows(item.Abilities, p)) return false;
    if (item.MinLevel > p.Level()) return false;
    const int32_t c = p.ClassCode;
    bool r = c == 0 || ClassRuleAllows(item, c);
    if (c != 0) {
        for (const int32_t only : item.ClassOnly) {
            if (only == 0) continue;
            if (only == c) return true;
            r = false;
        }
    }
    for (const int32_t ok : item.ClassOk())
        if (ok != 0 && ok == c) r = true;
    return r;
}

int32_t CasterTypeOfClass(int32_t c)
{
    if (c == 0) return -1;
    if (In(c, {3, 4, 5, 6})) return 2;
    if (In(c, {10, 11, 12})) return 1;
    if (In(c, {13, 14})) return 3;
    if (c == 9) return 4;
    if (c == 15) return 5;
    return 0;
}

bool metSpellCastorFilter(const TSpell& spell, const Profile& p)
{
    if (!AlignmentAllows(spell.Abilities, p)) return false;
    if (spell.Level > p.Level()) return false;
    const int32_t c = p.ClassCode;
    if (c == 0) return true;
    const int32_t caster = CasterTypeOfClass(c);
    if (caster == 0 || spell.CasterType != caster) return false;
    // The highest magic level each casting class reaches.
    int32_t limit = 3;
    if (In(c, {3, 14}))
        limit = 1;
    else if (In(c, {4, 6, 10, 11}))
        limit = 2;
    return spell.MagicLevel <= limit;
}

ClassPreset PresetForClass(int32_t c)
{
    ClassPreset p{true, true, true,  true, false, true, false, true,    true,
                  true, true, false, true, true,  true, "0",   nullptr, "Intel"};
    if (c == 11) p.Plate = p.Scalemail = false;
    if (In(c, {6, 8, 9, 10, 13, 14})) p.Plate = p.Scalemail = p.Chainmail = false;
    if (In(c, {5, 7, 12, 15})) {
        p.Plate = p.Scalemail = p.Chainmail = p.Leather = false;
        if (c == 7) p.Ninja = true;
    }
    if (c == 2) {
        p.Combat = "5";
        p.NonMagicalArmour = true;
        p.Plate = false;
        p.NonMagicalWeapons = true;
    }
    if (In(c, {4, 5, 13})) p.Edged = false;
    if (In(c, {6, 8, 9, 10, 11})) p.TwoHanded = false;
    if (In(c, {12, 15})) p.OneHanded = p.TwoHanded = p.Edged = p.Blunt = false;
    if (In(c, {1, 2, 7, 8})) {
        p.ManaMagicLevel = "0";
        p.MagicLevel1 = p.MagicLevel2 = p.MagicLevel3 = false;
    }
    if (In(c, {3, 14})) {
        p.ManaMagicLevel = "1";
        p.MagicLevel2 = p.MagicLevel3 = false;
    }
    if (In(c, {4, 6, 9, 10, 11})) {
        p.ManaMagicLevel = "2";
        p.MagicLevel3 = false;
    }
    if (In(c, {5, 12, 13})) p.ManaMagicLevel = "3";
    if (In(c, {1, 3, 14})) p.Combat = "4";
    if (In(c, {4, 7, 9, 11, 15})) p.Combat = "3";
    if (In(c, {6, 8, 10, 13})) p.Combat = "2";
    if (In(c, {5, 12})) p.Combat = "1";
    if (c == 9) p.ManaLabel = "Charm";
    return p;
}

}  // namespace vantor
