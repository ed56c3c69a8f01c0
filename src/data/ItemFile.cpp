#include "data/ItemFile.h"

#include "data/Fields.h"
#include "data/Text.h"

#include <algorithm>

namespace vantor {

TItem ParseItemLine(std::string_view line)
{
    TItem item;
    FieldReader f(line);
    item.Number = f.Int();
    std::string name(f.Text());
    std::replace(name.begin(), name.end(), '"', ' ');
    item.Name = std::string(Trim(name));
    item.Limit = f.Int();
    item.Weight = f.Int();
    item.ItemType = f.Int();
    f.Take(item.Abilities);
    item.Spare16 = f.Int();
    item.Spare17 = f.Int();
    f.Take(item.ClassOnly);
    item.MinDamage = f.Int();
    item.MaxDamage = f.Int();
    item.ArmourClass = f.Int() / 10.0;
    f.Take(item.Negates);
    item.WeaponType = f.Int();
    item.ArmourType = f.Int();
    item.WornSlot = f.Int();
    item.Accuracy = f.Int();
    // Damage resistance is kept in tenths until every DR ability is added, so that the sum is
    // exact (1 + 2 - 3 tenths is 0, not a rounding residue).
    int64_t drTenths = f.Int();
    item.StrengthReq = f.Int();
    item.Speed = f.Int();
    f.Take(item.AbilityValues);
    item.Spare58 = f.Int();
    item.Spare59 = f.Int();

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
