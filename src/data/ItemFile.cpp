#include "data/ItemFile.h"

#include "data/Fields.h"
#include "data/Text.h"

#include <algorithm>

namespace vantor {

static void TakeSlots(FieldCursor& fields, Slots& slots)
{
    for (int32_t& v : slots) v = StrToInt(fields.Next());
}

TItem ParseItemLine(std::string_view line)
{
    TItem item;
    FieldCursor f(line);
    item.Number = StrToInt(f.Next());
    std::string name(f.Next());
    std::replace(name.begin(), name.end(), '"', ' ');
    item.Name = std::string(Trim(name));
    item.Limit = StrToInt(f.Next());
    item.Weight = StrToInt(f.Next());
    item.ItemType = StrToInt(f.Next());
    TakeSlots(f, item.Abilities);
    item.Spare16 = StrToInt(f.Next());
    item.Spare17 = StrToInt(f.Next());
    TakeSlots(f, item.ClassOnly);
    item.MinDamage = StrToInt(f.Next());
    item.MaxDamage = StrToInt(f.Next());
    item.ArmourClass = StrToInt(f.Next()) / 10.0;
    TakeSlots(f, item.Negates);
    item.WeaponType = StrToInt(f.Next());
    item.ArmourType = StrToInt(f.Next());
    item.WornSlot = StrToInt(f.Next());
    item.Accuracy = StrToInt(f.Next());
    // Damage resistance is kept in tenths until every DR ability is added, so that the sum is
    // exact (1 + 2 - 3 tenths is 0, not a rounding residue).
    int64_t drTenths = StrToInt(f.Next());
    item.StrengthReq = StrToInt(f.Next());
    item.Speed = StrToInt(f.Next());
    TakeSlots(f, item.AbilityValues);
    item.Spare58 = StrToInt(f.Next());
    item.Spare59 = StrToInt(f.Next());

    if (item.WornSlot == 13) item.WornSlot = 4;  // the second finger is stored as "Fingers"

    for (int i = 0; i < kSlots; ++i) {
        const int32_t v = item.AbilityValues[i];
        switch (item.Abilities[i]) {
        case 96: item.EncumbranceBonus = v; break;
        case 58: item.Crits = v; break;
        case 7: drTenths += v; break;
        case 36: item.MagicRes = v; break;
        case 27: item.Stealth = v; break;
        case 34: item.Dodge = v; break;
        case 4: item.MaxDamageBonus = v; break;
        case 59: item.ClassOk[i] = v; break;
        case 135: item.MinLevel = v; break;
        case 116: item.BSAccuracy = v; break;
        case 142: item.HitMagic = v; break;
        case 28: item.Magical = v; break;
        default: break;
        }
    }
    item.DamageResist = static_cast<double>(drTenths) / 10.0;
    return item;
}

void Read1Item(std::string_view line, ItemList& items, const ItemDescriber& describe)
{
    TItem item = ParseItemLine(line);
    if (describe) describe(item);
    if (item.Name.find("sdf") != std::string::npos) return;
    items.push_back(std::move(item));
}

void ReadItemData(const std::string& dataDir, ItemList& items, const ItemDescriber& describe,
                  const Pump& pump)
{
    std::string path = FindDataFile(dataDir, "Items.txt");
    if (path.empty()) path = FindDataFile(dataDir, "Itemsnew.txt");
    if (path.empty()) return;
    ReadLines(path, pump, [&](std::string_view line) { Read1Item(line, items, describe); });
}

}  // namespace vantor
