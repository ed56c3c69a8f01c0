#include "lists/ListRows.h"

#include "data/CodeTables.h"
#include "data/Text.h"

namespace vantor {
namespace {

std::string BlankIfZero(int32_t v)
{
    return v == 0 ? std::string() : IntToStr(v);
}

std::string EncAcRatio(const TItem& item, char sep)
{
    return FormatRatio(item.ArmourClass > 0 ? item.Weight / item.ArmourClass : 9999.0, sep);
}

std::string SpeedDamageRatio(const TItem& item, char sep)
{
    const int64_t sum = static_cast<int64_t>(item.MinDamage) + item.MaxDamage;
    if (sum < 1) return FormatRatio(9999.0, sep);
    return FormatRatio(item.Speed / (static_cast<double>(sum) / 2.0) - item.Crits, sep);
}

}  // namespace

const std::vector<ColumnDef>& Columns(ListKind list)
{
    using A = Align;
    using K = ColumnKind;
    static const std::vector<ColumnDef> armour = {
        {"Name", A::Left, K::Caption},      {"Type", A::Left, K::Text},
        {"AC", A::Right, K::Decimal},       {"DR", A::Left, K::Decimal},
        {"Enc", A::Centre, K::Whole},       {"Acc", A::Right, K::Whole},
        {"Level", A::Centre, K::Whole},     {"Limit", A::Centre, K::Whole},
        {"Worn", A::Left, K::Text},         {"MaxDmg", A::Right, K::Text},
        {"Enc:AC Ratio", A::Right, K::Text}};
    static const std::vector<ColumnDef> weapons = {
        {"Name", A::Left, K::Caption},      {"Damage", A::Left, K::LeadingNumber},
        {"Speed", A::Left, K::Whole},       {"Str", A::Left, K::Whole},
        {"AC", A::Centre, K::Text},         {"Acc", A::Right, K::Whole},
        {"BsAcc", A::Right, K::Whole},      {"Enc", A::Centre, K::Whole},
        {"Lvl", A::Centre, K::Whole},       {"Limit", A::Centre, K::Whole},
        {"Sp:Dmg Ratio", A::Right, K::Text}, {"Handed", A::Left, K::Text}};
    static const std::vector<ColumnDef> other = {
        {"Name", A::Left, K::Caption}, {"Type", A::Left, K::Text}, {"Enc", A::Left, K::Whole},
        {"Limit", A::Left, K::Whole},  {"Special", A::Left, K::Text}};
    static const std::vector<ColumnDef> spells = {
        {"Name", A::Left, K::Caption},       {"Code", A::Left, K::Text},
        {"Class", A::Left, K::Text},         {"Level", A::Centre, K::Whole},
        {"Difficulty", A::Left, K::Whole},   {"Mana", A::Right, K::Whole},
        {"Spell Type", A::Left, K::Text},    {"Element", A::Centre, K::Text},
        {"Targets", A::Left, K::Text},       {"Id", A::Left, K::Whole}};
    switch (list) {
    case ListKind::Armor: return armour;
    case ListKind::Weapons: return weapons;
    case ListKind::Other: return other;
    case ListKind::Spells: break;
    }
    return spells;
}

bool MakeItemRow(const std::string& kind, const TItem& item, char sep, ListRow& row)
{
    row.Item = &item;
    row.Spell = nullptr;
    if (kind == "A") {
        if (item.WornSlot <= 0) return false;
        row.Cells = {item.Name,
                     GetArmourMaterial(item.ArmourType),
                     FormatReal(item.ArmourClass, sep),
                     FormatReal(item.DamageResist, sep),
                     IntToStr(item.Weight),
                     BlankIfZero(item.Accuracy),
                     BlankIfZero(item.MinLevel),
                     BlankIfZero(item.Limit),
                     GetArmourBodyPart(item.WornSlot),
                     IntToStr(item.MaxDamageBonus),
                     EncAcRatio(item, sep)};
        return true;
    }
    if (kind == "W") {
        row.Cells = {item.Name,
                     IntToStr(item.MinDamage) + "-" + IntToStr(item.MaxDamage),
                     IntToStr(item.Speed),
                     IntToStr(item.StrengthReq),
                     FormatReal(item.ArmourClass, sep) + "/" + FormatReal(item.DamageResist, sep),
                     BlankIfZero(item.Accuracy),
                     BlankIfZero(item.BSAccuracy),
                     IntToStr(item.Weight),
                     BlankIfZero(item.MinLevel),
                     BlankIfZero(item.Limit),
                     SpeedDamageRatio(item, sep),
                     GetWeaponType(item.WeaponType)};
        return true;
    }
    if (kind == "O") {
        row.Cells = {item.Name, GetItemType(item.ItemType), IntToStr(item.Weight),
                     IntToStr(item.Limit), item.Special};
        return true;
    }
    return false;
}

bool MakeSpellRow(const std::string& kind, const TSpell& spell, ListRow& row)
{
    if (kind != "S") return false;
    row.Item = nullptr;
    row.Spell = &spell;
    std::string casterClass = GetCasterType(spell.CasterType);
    if (spell.CasterType != 0) casterClass += Format(" %d", spell.MagicLevel);
    row.Cells = {spell.Name,
                 spell.Code,
                 casterClass,
                 IntToStr(spell.Level),
                 IntToStr(spell.Difficulty),
                 IntToStr(spell.Mana),
                 GetSpellType(spell.SpellType),
                 GetSpellElement(spell.Element),
                 GetSpellTargetType(spell.Targets),
                 IntToStr(spell.Number)};
    return true;
}

bool IsWeapon(const TItem& item) { return item.ItemType == 1; }
bool IsArmour(const TItem& item) { return item.ItemType == 0; }
bool IsOtherItem(const TItem& item) { return item.ItemType > 1 && item.Weight < 9800; }

std::vector<std::string> SpellNoteLines(const std::string& notes)
{
    std::vector<std::string> lines;
    std::string_view rest(notes);
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        const std::string_view part = comma == std::string_view::npos ? rest : rest.substr(0, comma);
        rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
        lines.emplace_back(TrimSpaces(part));
    }
    return lines;
}

}  // namespace vantor
