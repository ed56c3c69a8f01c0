#include "lists/ListRows.h"

#include "data/CodeTables.h"
#include "data/Text.h"

#include <iterator>
#include <span>

namespace vantor {

ListRow::ListRow(std::vector<std::string> texts)
    : at_(new std::vector<std::string>(std::move(texts))), holds_(Holds::Texts)
{
}

ListRow::ListRow(const ListRow& other) : kind_(other.kind_), decimalSep_(other.decimalSep_), holds_(other.holds_)
{
    at_ = holds_ == Holds::Texts ? new std::vector<std::string>(*other.Texts()) : other.at_;
}

ListRow& ListRow::operator=(const ListRow& other)
{
    if (this != &other) *this = ListRow(other);
    return *this;
}

ListRow& ListRow::operator=(ListRow&& other) noexcept
{
    if (this != &other) {
        Release();
        Take(other);
    }
    return *this;
}

void ListRow::Take(ListRow& other) noexcept
{
    at_ = other.at_;
    kind_ = other.kind_;
    decimalSep_ = other.decimalSep_;
    holds_ = other.holds_;
    other.at_ = nullptr;
    other.holds_ = Holds::Nothing;
}

void ListRow::Release() noexcept
{
    if (holds_ == Holds::Texts) delete Texts();
    at_ = nullptr;
    holds_ = Holds::Nothing;
}

namespace {

// Each cell of a list, written from its record: a view of the record's own text, or the text
// written into scratch.
using ItemCell = std::string_view (*)(const TItem&, char, std::string&);
using SpellCell = std::string_view (*)(const TSpell&, std::string&);

std::string_view Write(std::string& scratch, std::string&& text)
{
    scratch = std::move(text);
    return scratch;
}

std::string_view Whole(std::string& scratch, long long v)
{
    AppendInt(scratch, v);
    return scratch;
}

std::string_view BlankIfZero(std::string& scratch, int32_t v)
{
    if (v != 0) AppendInt(scratch, v);
    return scratch;
}

std::string_view Real(std::string& scratch, double v, char sep)
{
    AppendReal(scratch, v, sep);
    return scratch;
}

std::string_view Ratio(std::string& scratch, double v, char sep)
{
    AppendRatio(scratch, v, sep);
    return scratch;
}

double SpeedDamageRatio(const TItem& item)
{
    const int64_t sum = static_cast<int64_t>(item.MinDamage) + item.MaxDamage;
    return sum < 1 ? 9999.0 : item.Speed / (static_cast<double>(sum) / 2.0) - item.Crits;
}

const ItemCell kArmourCells[] = {
    [](const TItem& i, char, std::string&) { return std::string_view(i.Name); },
    [](const TItem& i, char, std::string& s) { return Write(s, GetArmourMaterial(i.ArmourType)); },
    [](const TItem& i, char sep, std::string& s) { return Real(s, i.ArmourClass, sep); },
    [](const TItem& i, char sep, std::string& s) { return Real(s, i.DamageResist, sep); },
    [](const TItem& i, char, std::string& s) { return Whole(s, i.Weight); },
    [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.Accuracy); },
    [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.MinLevel); },
    [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.Limit); },
    [](const TItem& i, char, std::string& s) { return Write(s, GetArmourBodyPart(i.WornSlot)); },
    [](const TItem& i, char, std::string& s) { return Whole(s, i.MaxDamageBonus); },
    [](const TItem& i, char sep, std::string& s) {
        return Ratio(s, i.ArmourClass > 0 ? i.Weight / i.ArmourClass : 9999.0, sep);
    },
};

const ItemCell kWeaponCells[] = {
    [](const TItem& i, char, std::string&) { return std::string_view(i.Name); },
    [](const TItem& i, char, std::string& s) {
        AppendInt(s, i.MinDamage);
        s += '-';
        return Whole(s, i.MaxDamage);
    },
    [](const TItem& i, char, std::string& s) { return Whole(s, i.Speed); },
    [](const TItem& i, char, std::string& s) { return Whole(s, i.StrengthReq); },
    [](const TItem& i, char sep, std::string& s) {
        AppendReal(s, i.ArmourClass, sep);
        s += '/';
        return Real(s, i.DamageResist, sep);
    },
    [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.Accuracy); },
    [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.BSAccuracy); },
    [](const TItem& i, char, std::string& s) { return Whole(s, i.Weight); },
    [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.MinLevel); },
    [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.Limit); },
    [](const TItem& i, char sep, std::string& s) { return Ratio(s, SpeedDamageRatio(i), sep); },
    [](const TItem& i, char, std::string& s) { return Write(s, GetWeaponType(i.WeaponType)); },
};

const ItemCell kOtherCells[] = {
    [](const TItem& i, char, std::string&) { return std::string_view(i.Name); },
    [](const TItem& i, char, std::string& s) { return Write(s, GetItemType(i.ItemType)); },
    [](const TItem& i, char, std::string& s) { return Whole(s, i.Weight); },
    [](const TItem& i, char, std::string& s) { return Whole(s, i.Limit); },
    [](const TItem& i, char, std::string&) { return std::string_view(i.Special); },
};

const SpellCell kSpellCells[] = {
    [](const TSpell& p, std::string&) { return std::string_view(p.Name); },
    [](const TSpell& p, std::string&) { return std::string_view(p.Code); },
    [](const TSpell& p, std::string& s) {
        s = GetCasterType(p.CasterType);
        if (p.CasterType == 0) return std::string_view(s);
        s += ' ';
        return Whole(s, p.MagicLevel);
    },
    [](const TSpell& p, std::string& s) { return Whole(s, p.Level); },
    [](const TSpell& p, std::string& s) { return Whole(s, p.Difficulty); },
    [](const TSpell& p, std::string& s) { return Whole(s, p.Mana); },
    [](const TSpell& p, std::string& s) { return Write(s, GetSpellType(p.SpellType)); },
    [](const TSpell& p, std::string& s) { return Write(s, GetSpellElement(p.Element)); },
    [](const TSpell& p, std::string& s) { return Write(s, GetSpellTargetType(p.Targets)); },
    [](const TSpell& p, std::string& s) { return Whole(s, p.Number); },
};

std::span<const ItemCell> ItemCells(ListKind kind)
{
    switch (kind) {
    case ListKind::Armor: return kArmourCells;
    case ListKind::Weapons: return kWeaponCells;
    case ListKind::Other: return kOtherCells;
    case ListKind::Spells: break;
    }
    return {};
}

}  // namespace

size_t CellCount(const ListRow& row)
{
    if (const auto* texts = row.Texts()) return texts->size();
    if (row.Spell()) return std::size(kSpellCells);
    return row.Item() ? ItemCells(row.Kind()).size() : 0;
}

std::string_view CellText(const ListRow& row, size_t c, std::string& scratch)
{
    scratch.clear();
    if (const auto* texts = row.Texts()) return c < texts->size() ? std::string_view((*texts)[c]) : std::string_view();
    if (const TSpell* spell = row.Spell())
        return c < std::size(kSpellCells) ? kSpellCells[c](*spell, scratch) : std::string_view();
    const std::span<const ItemCell> cells = ItemCells(row.Kind());
    const TItem* item = row.Item();
    return item && c < cells.size() ? cells[c](*item, row.DecimalSep(), scratch) : std::string_view();
}

std::vector<std::string> CellTexts(const ListRow& row)
{
    std::vector<std::string> texts;
    std::string scratch;
    for (size_t c = 0; c < CellCount(row); ++c) texts.emplace_back(CellText(row, c, scratch));
    return texts;
}

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

const std::string& KindCode(ListKind kind)
{
    static const std::string kCodes[] = {"A", "W", "O", "S"};
    return kCodes[static_cast<int>(kind)];
}

bool MakeItemRow(const std::string& kind, const TItem& item, char sep, ListRow& row)
{
    const ListKind list = kind == "A" ? ListKind::Armor : kind == "W" ? ListKind::Weapons : ListKind::Other;
    row = ListRow(item, list, sep);
    if (kind == "A") return item.WornSlot > 0;
    return kind == "W" || kind == "O";
}

bool MakeSpellRow(const std::string& kind, const TSpell& spell, ListRow& row)
{
    if (kind != "S") return false;
    row = ListRow(spell);
    return true;
}

std::vector<ListRow> AllRows(ListKind kind, const ItemList& items, const SpellList& spells, char sep)
{
    std::vector<ListRow> rows;
    ListRow row;
    if (kind == ListKind::Spells) {
        rows.reserve(spells.size());
        for (const TSpell& spell : spells)
            if (MakeSpellRow("S", spell, row)) rows.push_back(row);
        return rows;
    }
    const std::string& letter = KindCode(kind);
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
