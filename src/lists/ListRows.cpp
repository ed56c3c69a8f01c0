#include "lists/ListRows.h"

#include "data/CodeTables.h"
#include "data/Text.h"

#include <stdexcept>

namespace vantor {

RowCells::RowCells(std::initializer_list<std::string_view> cells)
{
    for (const std::string_view cell : cells) Add(cell);
}

RowCells::RowCells(const std::vector<std::string>& cells)
{
    for (const std::string& cell : cells) Add(cell);
}

std::vector<std::string> RowCells::Texts() const
{
    std::vector<std::string> texts;
    for (size_t i = 0; i < count_; ++i) texts.emplace_back((*this)[i]);
    return texts;
}

void RowCells::Clear()
{
    text_.clear();
    count_ = 0;
}

void RowCells::End()
{
    if (count_ == kMaxCells) throw std::length_error("A list row has more cells than any list has columns.");
    if (text_.size() > UINT32_MAX) throw std::length_error("A list row is longer than 4 GB.");
    ends_[count_++] = static_cast<uint32_t>(text_.size());
}

void RowCells::Add(std::string_view cell)
{
    text_ += cell;
    End();
}

namespace {

void AddWhole(RowCells& cells, long long v)
{
    AppendInt(cells.Open(), v);
    cells.End();
}

void AddBlankIfZero(RowCells& cells, int32_t v)
{
    if (v != 0) AppendInt(cells.Open(), v);
    cells.End();
}

void AddReal(RowCells& cells, double v, char sep)
{
    AppendReal(cells.Open(), v, sep);
    cells.End();
}

void AddEncAcRatio(RowCells& cells, const TItem& item, char sep)
{
    AppendRatio(cells.Open(), item.ArmourClass > 0 ? item.Weight / item.ArmourClass : 9999.0, sep);
    cells.End();
}

void AddSpeedDamageRatio(RowCells& cells, const TItem& item, char sep)
{
    const int64_t sum = static_cast<int64_t>(item.MinDamage) + item.MaxDamage;
    AppendRatio(cells.Open(), sum < 1 ? 9999.0 : item.Speed / (static_cast<double>(sum) / 2.0) - item.Crits, sep);
    cells.End();
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
    RowCells& c = row.Cells;
    c.Clear();
    if (kind == "A") {
        if (item.WornSlot <= 0) return false;
        c.Add(item.Name);
        c.Add(GetArmourMaterial(item.ArmourType));
        AddReal(c, item.ArmourClass, sep);
        AddReal(c, item.DamageResist, sep);
        AddWhole(c, item.Weight);
        AddBlankIfZero(c, item.Accuracy);
        AddBlankIfZero(c, item.MinLevel);
        AddBlankIfZero(c, item.Limit);
        c.Add(GetArmourBodyPart(item.WornSlot));
        AddWhole(c, item.MaxDamageBonus);
        AddEncAcRatio(c, item, sep);
        return true;
    }
    if (kind == "W") {
        c.Add(item.Name);
        AppendInt(c.Open(), item.MinDamage);
        c.Open() += '-';
        AddWhole(c, item.MaxDamage);
        AddWhole(c, item.Speed);
        AddWhole(c, item.StrengthReq);
        AppendReal(c.Open(), item.ArmourClass, sep);
        c.Open() += '/';
        AddReal(c, item.DamageResist, sep);
        AddBlankIfZero(c, item.Accuracy);
        AddBlankIfZero(c, item.BSAccuracy);
        AddWhole(c, item.Weight);
        AddBlankIfZero(c, item.MinLevel);
        AddBlankIfZero(c, item.Limit);
        AddSpeedDamageRatio(c, item, sep);
        c.Add(GetWeaponType(item.WeaponType));
        return true;
    }
    if (kind == "O") {
        c.Add(item.Name);
        c.Add(GetItemType(item.ItemType));
        AddWhole(c, item.Weight);
        AddWhole(c, item.Limit);
        c.Add(item.Special);
        return true;
    }
    return false;
}

bool MakeSpellRow(const std::string& kind, const TSpell& spell, ListRow& row)
{
    if (kind != "S") return false;
    row.Item = nullptr;
    row.Spell = &spell;
    RowCells& c = row.Cells;
    c.Clear();
    c.Add(spell.Name);
    c.Add(spell.Code);
    c.Open() += GetCasterType(spell.CasterType);
    if (spell.CasterType != 0) {
        c.Open() += ' ';
        AppendInt(c.Open(), spell.MagicLevel);
    }
    c.End();
    AddWhole(c, spell.Level);
    AddWhole(c, spell.Difficulty);
    AddWhole(c, spell.Mana);
    c.Add(GetSpellType(spell.SpellType));
    c.Add(GetSpellElement(spell.Element));
    c.Add(GetSpellTargetType(spell.Targets));
    AddWhole(c, spell.Number);
    return true;
}

std::vector<ListRow> AllRows(ListKind kind, const ItemList& items, const SpellList& spells, char sep)
{
    // Each row is built in one scratch row, then copied at its size.
    std::vector<ListRow> rows;
    ListRow row;
    if (kind == ListKind::Spells) {
        rows.reserve(spells.size());
        for (const TSpell& spell : spells)
            if (MakeSpellRow("S", spell, row)) rows.push_back(row);
        return rows;
    }
    static const std::string kKinds[] = {"A", "W", "O"};
    const std::string& letter = kKinds[static_cast<int>(kind)];
    bool (*const takes)(const TItem&) =
        kind == ListKind::Armor ? IsArmour : kind == ListKind::Weapons ? IsWeapon : IsOtherItem;
    for (const TItem& item : items)
        if (takes(item) && MakeItemRow(letter, item, sep, row)) rows.push_back(row);
    return rows;
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
