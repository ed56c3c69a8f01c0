#include "filters/ListFilters.h"

namespace vantor {

void FilterArmour(const ItemList& items, const Profile& profile, const ArmourBoxes& boxes, const AddItem& add)
{
    const int32_t c = profile.ClassCode;
    const auto excluded = [&](const TItem& item) {
        if (c != 0) {
            bool restricted = false;
            for (const int32_t only : item.ClassOnly) {
                if (only < 1 || only > 15) continue;
                if (only == c) return !AlignmentAllows(item.Abilities, profile);
                restricted = true;
            }
            if (restricted) return true;
        }
        return !AlignmentAllows(item.Abilities, profile);
    };
    const auto pass = [&](int32_t material) {
        const int32_t level = profile.Level();
        for (const TItem& item : items) {
            if (item.ItemType != 0 || item.MinLevel > level || item.ArmourType != material ||
                (boxes.WornCode != 0 && item.WornSlot != boxes.WornCode) || excluded(item))
                continue;
            const bool firstChance = !boxes.NonMagical && item.Magical >= boxes.MinMagic;
            const bool secondChance = item.Magical == 0 && item.HitMagic >= boxes.MinMagic;
            if (firstChance || secondChance) add(item);
        }
    };
    // Each ticked material's armour types, heaviest first: leather is types 6 down to 3.
    const struct {
        bool Ticked;
        int32_t Heaviest, Lightest;
    } materials[] = {{boxes.Plate, 9, 9}, {boxes.Scalemail, 8, 8}, {boxes.Chainmail, 7, 7}, {boxes.Leather, 6, 3},
                     {boxes.Ninja, 2, 2}, {boxes.Silk, 1, 1},      {boxes.None, 0, 0}};
    for (const auto& m : materials)
        if (m.Ticked)
            for (int32_t type = m.Heaviest; type >= m.Lightest; --type) pass(type);
}

void FilterWeapons(const ItemList& items, const Profile& profile, const WeaponBoxes& boxes, const AddItem& add)
{
    // The typed passes ran for these types; the any-type pass already has what they accepted,
    // since it tests the same conditions but the type.
    bool typePassed[4] = {boxes.Blunt && boxes.OneHanded, boxes.Blunt && boxes.TwoHanded,
                          boxes.Edged && boxes.OneHanded, boxes.Edged && boxes.TwoHanded};
    const auto pass = [&](int32_t type) {  // -1: any type not passed yet
        for (const TItem& item : items) {
            if (item.ItemType != 1) continue;
            const int32_t t = item.WeaponType;
            if (type >= 0 ? t != type : (t >= 0 && t <= 3 && typePassed[t])) continue;
            if (!MetClassFilter(item, profile)) continue;
            const bool magicOk = item.Magical == 0
                                     ? item.HitMagic >= boxes.MinMagic
                                     : !boxes.NonMagical && (item.Magical < 0 || item.Magical >= boxes.MinMagic);
            if (magicOk) add(item);
        }
    };
    for (int32_t t = 0; t < 4; ++t)
        if (typePassed[t]) pass(t);
    if (profile.ClassCode == 12 || profile.ClassCode == 15) pass(-1);
}

void FilterSpells(const SpellList& spells, int32_t classCode, const SpellBoxes& boxes, const AddSpell& add)
{
    const int32_t caster = CasterTypeOfClass(classCode);
    for (const TSpell& spell : spells) {
        const int32_t m = spell.MagicLevel;
        const bool levelTicked =
            (m == 1 && boxes.MagicLevel1) || (m == 2 && boxes.MagicLevel2) || (m == 3 && boxes.MagicLevel3);
        if (caster == -1 ? (levelTicked || m < 1 || m > 3) : (spell.CasterType == caster && caster != 0 && levelTicked))
            add(spell);
    }
}

}  // namespace vantor
