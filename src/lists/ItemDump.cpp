#include "lists/ItemDump.h"

#include "data/CodeTables.h"
#include "data/Text.h"

namespace vantor {

std::string ItemDumpLine(const TItem& item, char sep)
{
    std::string line = item.Name + ", " + IntToStr(item.MinDamage) + "-" + IntToStr(item.MaxDamage) + ", " +
                       IntToStr(item.Speed) + ", " + IntToStr(item.StrengthReq) + ", " +
                       FormatReal(item.ArmourClass, sep) + "/" + FormatReal(item.DamageResist, sep) + ", " +
                       IntToStr(item.Accuracy) + ", " + IntToStr(item.BSAccuracy) + ", " + IntToStr(item.Weight) +
                       ", " + IntToStr(item.MinLevel) + ", " + IntToStr(item.Limit) + ", ";
    line.append(item.Special.view()).append(", , ").append(GetItemType(item.ItemType));
    if (item.ItemType == 0) line += ", " + GetArmourBodyPart(item.WornSlot);
    if (item.ItemType == 1) line += ", " + GetWeaponType(item.WeaponType);
    return line;
}

}  // namespace vantor
