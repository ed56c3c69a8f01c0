#include "lists/ListRows.h"

#include "data/CodeTables.h"
#include "data/Text.h"
#include "lists/SpellNotes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <iterator>
#include <optional>
#include <span>

namespace vantor {

ListRow::ListRow(std::vector<std::string> texts)
    : at_(new std::vector<std::string>(std::move(texts))), holds_(Holds::Texts)
{}

ListRow::ListRow(const ListRow& other)
    : kind_(other.kind_), decimalSep_(other.decimalSep_), holds_(other.holds_), level_(other.level_)
{
    at_ = holds_ == Holds::Texts ? new std::vector<std::string>(*other.Texts()) : other.at_;
}

ListRow& ListRow::operator=(const ListRow& other)
{
    if (this != &other) *this = ListRow(other);
    return *this;
}

void ListRow::DeleteTexts() noexcept { delete Texts(); }

namespace {

// Each cell of a list, written from its record: a view of the record's own text, or the text
// written into scratch.
using ItemCell = std::string_view (*)(const TItem&, char, std::string&);
using SpellCell = std::string_view (*)(const TSpell&, char, std::string&);

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

double WeightPerArmourClass(const TItem& item)
{
    return item.ArmourClass > 0 ? item.Weight / item.ArmourClass : 9999.0;
}

double SpeedDamageRatio(const TItem& item)
{
    const int64_t sum = static_cast<int64_t>(item.MinDamage) + item.MaxDamage;
    return sum < 1 ? 9999.0 : item.Speed / (static_cast<double>(sum) / 2.0) - item.Crits;
}

// The width of a cell (the sum of its bytes' advances) worked out without writing it, where its
// text is a record's own, a number or a code table's name. One per column: each keeps the widths
// of the codes it has met.
class Measure {
public:
    explicit Measure(const ByteAdvances& advances) : a_(advances), widestByte_(*std::max_element(a_.begin(), a_.end()))
    {
        codes_.fill(-1);
    }

    // Cells that cannot be wider than this need not be measured: Text gives them as this wide.
    // Only a whole cell's text is measured against it; the parts of a cell are measured exactly.
    void SetFloor(int64_t floor) { floor_ = floor; }

    int64_t Text(std::string_view text) const
    {
        return static_cast<int64_t>(text.size()) * widestByte_ <= floor_ ? floor_ : Exact(text);
    }
    int64_t Whole(long long v) const
    {
        int64_t w = v < 0 ? a_['-'] : 0;
        unsigned long long u = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
        do {
            w += a_[static_cast<unsigned char>('0' + u % 10)];
            u /= 10;
        } while (u != 0);
        return w;
    }
    int64_t BlankIfZero(int32_t v) const { return v == 0 ? 0 : Whole(v); }
    int64_t Coded(int32_t code, std::string (*name)(int32_t))
    {
        if (name != table_) {
            codes_.fill(-1);
            table_ = name;
        }
        if (code < 0 || code >= static_cast<int32_t>(codes_.size())) return Exact(name(code));
        int64_t& w = codes_[static_cast<size_t>(code)];
        if (w < 0) w = Exact(name(code));
        return w;
    }
    int64_t Byte(char b) const { return a_[static_cast<unsigned char>(b)]; }
    // As AppendReal writes v, and as AppendRatio writes it. A column holds few numbers, so their
    // widths are remembered by their bits.
    int64_t Real(double v, char sep) { return Remembered(v, sep, false); }
    int64_t Ratio(double v, char sep) { return Remembered(v, sep, true); }

private:
    int64_t Exact(std::string_view text) const
    {
        int64_t w = 0;
        for (const char b : text) w += a_[static_cast<unsigned char>(b)];
        return w;
    }
    // As AppendReal writes v: its quick path for tenths, else the written text.
    int64_t RealWidth(double v, char sep) const
    {
        const double tenths = std::nearbyint(v * 10);
        if (!(std::fabs(tenths) < 1e15 && tenths / 10 == v)) return Exact(FormatReal(v, sep));
        const long long t = static_cast<long long>(tenths);
        int64_t w = (t < 0 && t > -10 ? Byte('-') : 0) + Whole(t / 10);
        if (t % 10 != 0) w += Byte(sep) + Byte(static_cast<char>('0' + (t < 0 ? -(t % 10) : t % 10)));
        return w;
    }
    // As AppendRatio writes v ("%10.2f"): from v rounded to hundredths, unless v lies so near a
    // half hundredth (or so far out) that only the written text tells.
    int64_t RatioWidth(double v, char sep) const
    {
        const double hundredths = std::fabs(v) * 100;
        const double nearest = std::nearbyint(hundredths);
        if (!(hundredths < 1e15) || std::fabs(std::fabs(hundredths - nearest) - 0.5) < 1e-3)
            return Exact(FormatRatio(v, sep));
        const long long n = std::llround(hundredths);
        const bool minus = std::signbit(v);
        int64_t w = (minus ? Byte('-') : 0) + Whole(n / 100) + Byte(sep) + Byte(static_cast<char>('0' + n / 10 % 10)) +
                    Byte(static_cast<char>('0' + n % 10));
        int chars = 4 + minus;  // the whole part's first digit, the separator, two decimals, the sign
        for (long long whole = n / 100; whole >= 10; whole /= 10) ++chars;
        return w + (chars < 10 ? (10 - chars) * Byte(' ') : 0);
    }

    int64_t Remembered(double v, char sep, bool ratio)
    {
        const auto bits = std::bit_cast<uint64_t>(v);
        Known& known = known_[(bits * 0x9E3779B97F4A7C15ULL) >> 56];
        if (known.Set && known.Bits == bits && known.Sep == sep && known.Ratio == ratio) return known.Width;
        known = {bits, ratio ? RatioWidth(v, sep) : RealWidth(v, sep), sep, ratio, true};
        return known.Width;
    }

    struct Known {
        uint64_t Bits = 0;
        int64_t Width = 0;
        char Sep = 0;
        bool Ratio = false, Set = false;
    };
    const ByteAdvances& a_;
    int64_t widestByte_;
    int64_t floor_ = -1;
    std::array<int64_t, 256> codes_;
    std::string (*table_)(int32_t) = nullptr;  // the code table codes_ holds widths of
    std::array<Known, 256> known_{};           // by a hash of the number's bits
};

// A column: its caption, alignment, sort kind and tool tip, how its cell is written, and its
// width measured (none: measure the written cell). The columns the list works out itself, the
// gain and whether the item is owned, are written by the list and stand last.
using A = Align;
using K = ColumnKind;
constexpr const char* kGainHint =
    "What wearing it adds to the score of the worn set under the scale chosen (empty: no slot list holds it)";

constexpr const char* kOwnHint = "Ticked: the character owns it (the list's menu: \"I own this\")";

struct ItemColumn {
    ColumnDef Def;
    ItemCell Write;
    int64_t (*Width)(const TItem&, char, Measure&);
};
struct SpellColumn {
    ColumnDef Def;
    SpellCell Write;
    int64_t (*Width)(const TSpell&, char, Measure&);
    // A cell that depends on the caster's level (the damage columns), in place of Write.
    std::string_view (*WriteAt)(const TSpell&, int32_t level, char, std::string&) = nullptr;
};

const ItemColumn kArmourCells[] = {
    {{"Name", A::Left, K::Caption, "The item's name"},
     [](const TItem& i, char, std::string&) { return std::string_view(i.Name); },
     [](const TItem& i, char, Measure& m) { return m.Text(i.Name); }},
    {{"Type", A::Left, K::Text, "What the armour is made of"},
     [](const TItem& i, char, std::string& s) { return Write(s, GetArmourMaterial(i.ArmourType)); },
     [](const TItem& i, char, Measure& m) { return m.Coded(i.ArmourType, GetArmourMaterial); }},
    {{"AC", A::Right, K::Decimal, "Armour class"},
     [](const TItem& i, char sep, std::string& s) { return Real(s, i.ArmourClass, sep); },
     [](const TItem& i, char sep, Measure& m) { return m.Real(i.ArmourClass, sep); }},
    {{"DR", A::Left, K::Decimal, "Damage resistance"},
     [](const TItem& i, char sep, std::string& s) { return Real(s, i.DamageResist, sep); },
     [](const TItem& i, char sep, Measure& m) { return m.Real(i.DamageResist, sep); }},
    {{"Enc", A::Centre, K::Whole, "Encumbrance: what the item weighs"},
     [](const TItem& i, char, std::string& s) { return Whole(s, i.Weight); },
     [](const TItem& i, char, Measure& m) { return m.Whole(i.Weight); }},
    {{"Acc", A::Right, K::Whole, "Accuracy it adds"},
     [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.Accuracy); },
     [](const TItem& i, char, Measure& m) { return m.BlankIfZero(i.Accuracy); }},
    {{"Level", A::Centre, K::Whole, "The level needed to use it"},
     [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.MinLevel); },
     [](const TItem& i, char, Measure& m) { return m.BlankIfZero(i.MinLevel); }},
    {{"Limit", A::Centre, K::Whole, "The item's limit value"},
     [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.Limit); },
     [](const TItem& i, char, Measure& m) { return m.BlankIfZero(i.Limit); }},
    {{"Worn", A::Left, K::Text, "Where it is worn"},
     [](const TItem& i, char, std::string& s) { return Write(s, GetArmourBodyPart(i.WornSlot)); },
     [](const TItem& i, char, Measure& m) { return m.Coded(i.WornSlot, GetArmourBodyPart); }},
    {{"MaxDmg", A::Right, K::Text, "Maximum damage it adds"},
     [](const TItem& i, char, std::string& s) { return Whole(s, i.MaxDamageBonus); },
     [](const TItem& i, char, Measure& m) { return m.Whole(i.MaxDamageBonus); }},
    {{"Enc:AC Ratio", A::Right, K::Text,
      "Encumbrance per point of armour class: lower is lighter armour (9999 without armour class)"},
     [](const TItem& i, char sep, std::string& s) { return Ratio(s, WeightPerArmourClass(i), sep); },
     [](const TItem& i, char sep, Measure& m) { return m.Ratio(WeightPerArmourClass(i), sep); }},
    {{"Gain", A::Right, K::Computed, kGainHint}, nullptr, nullptr},  // worked out by the list, not from the record
    {{"Own", A::Centre, K::Owned, kOwnHint}, nullptr, nullptr},
};

const ItemColumn kWeaponCells[] = {
    {{"Name", A::Left, K::Caption, "The item's name"},
     [](const TItem& i, char, std::string&) { return std::string_view(i.Name); },
     [](const TItem& i, char, Measure& m) { return m.Text(i.Name); }},
    {{"Damage", A::Left, K::LeadingNumber, "Least and most damage of a hit"},
     [](const TItem& i, char, std::string& s) {
         AppendInt(s, i.MinDamage);
         s += '-';
         return Whole(s, i.MaxDamage);
     },
     [](const TItem& i, char, Measure& m) { return m.Whole(i.MinDamage) + m.Byte('-') + m.Whole(i.MaxDamage); }},
    {{"Speed", A::Left, K::Whole, "Speed: the lower, the more swings"},
     [](const TItem& i, char, std::string& s) { return Whole(s, i.Speed); },
     [](const TItem& i, char, Measure& m) { return m.Whole(i.Speed); }},
    {{"Str", A::Left, K::Whole, "The strength needed to wield it"},
     [](const TItem& i, char, std::string& s) { return Whole(s, i.StrengthReq); },
     [](const TItem& i, char, Measure& m) { return m.Whole(i.StrengthReq); }},
    {{"AC", A::Centre, K::Text, "Armour class / damage resistance it adds"},
     [](const TItem& i, char sep, std::string& s) {
         AppendReal(s, i.ArmourClass, sep);
         s += '/';
         return Real(s, i.DamageResist, sep);
     },
     [](const TItem& i, char sep, Measure& m) {
         return m.Real(i.ArmourClass, sep) + m.Byte('/') + m.Real(i.DamageResist, sep);
     }},
    {{"Acc", A::Right, K::Whole, "Accuracy it adds"},
     [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.Accuracy); },
     [](const TItem& i, char, Measure& m) { return m.BlankIfZero(i.Accuracy); }},
    {{"BsAcc", A::Right, K::Whole, "Backstab accuracy it adds"},
     [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.BSAccuracy); },
     [](const TItem& i, char, Measure& m) { return m.BlankIfZero(i.BSAccuracy); }},
    {{"Enc", A::Centre, K::Whole, "Encumbrance: what the item weighs"},
     [](const TItem& i, char, std::string& s) { return Whole(s, i.Weight); },
     [](const TItem& i, char, Measure& m) { return m.Whole(i.Weight); }},
    {{"Lvl", A::Centre, K::Whole, "The level needed to use it"},
     [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.MinLevel); },
     [](const TItem& i, char, Measure& m) { return m.BlankIfZero(i.MinLevel); }},
    {{"Limit", A::Centre, K::Whole, "The item's limit value"},
     [](const TItem& i, char, std::string& s) { return BlankIfZero(s, i.Limit); },
     [](const TItem& i, char, Measure& m) { return m.BlankIfZero(i.Limit); }},
    {{"Sp:Dmg Ratio", A::Right, K::Text,
      "Speed per point of average damage, less its crits: lower is better (9999 without damage)"},
     [](const TItem& i, char sep, std::string& s) { return Ratio(s, SpeedDamageRatio(i), sep); },
     [](const TItem& i, char sep, Measure& m) { return m.Ratio(SpeedDamageRatio(i), sep); }},
    {{"Handed", A::Left, K::Text, "One- or two-handed, edged or blunt"},
     [](const TItem& i, char, std::string& s) { return Write(s, GetWeaponType(i.WeaponType)); },
     [](const TItem& i, char, Measure& m) { return m.Coded(i.WeaponType, GetWeaponType); }},
    {{"Gain", A::Right, K::Computed, kGainHint}, nullptr, nullptr},  // worked out by the list, not from the record
    {{"Own", A::Centre, K::Owned, kOwnHint}, nullptr, nullptr},
};

const ItemColumn kOtherCells[] = {
    {{"Name", A::Left, K::Caption, "The item's name"},
     [](const TItem& i, char, std::string&) { return std::string_view(i.Name); },
     [](const TItem& i, char, Measure& m) { return m.Text(i.Name); }},
    {{"Type", A::Left, K::Text, "What kind of item it is"},
     [](const TItem& i, char, std::string& s) { return Write(s, GetItemType(i.ItemType)); },
     [](const TItem& i, char, Measure& m) { return m.Coded(i.ItemType, GetItemType); }},
    {{"Enc", A::Left, K::Whole, "Encumbrance: what the item weighs"},
     [](const TItem& i, char, std::string& s) { return Whole(s, i.Weight); },
     [](const TItem& i, char, Measure& m) { return m.Whole(i.Weight); }},
    {{"Limit", A::Left, K::Whole, "The item's limit value"},
     [](const TItem& i, char, std::string& s) { return Whole(s, i.Limit); },
     [](const TItem& i, char, Measure& m) { return m.Whole(i.Limit); }},
    {{"Special", A::Left, K::Text, "What the item does"},
     [](const TItem& i, char, std::string&) { return std::string_view(i.Special); },
     [](const TItem& i, char, Measure& m) { return m.Text(i.Special); }},
};

const SpellColumn kSpellCells[] = {
    {{"Name", A::Left, K::Caption, "The spell's name"},
     [](const TSpell& p, char, std::string&) { return std::string_view(p.Name); },
     [](const TSpell& p, char, Measure& m) { return m.Text(p.Name); }},
    {{"Code", A::Left, K::Text, "The word that casts it"},
     [](const TSpell& p, char, std::string&) { return std::string_view(p.Code); },
     [](const TSpell& p, char, Measure& m) { return m.Text(p.Code); }},
    {{"Class", A::Left, K::Text, "Who casts it, and the magic level needed"},
     [](const TSpell& p, char, std::string& s) {
         s = GetCasterType(p.CasterType);
         if (p.CasterType == 0) return std::string_view(s);
         s += ' ';
         return Whole(s, p.MagicLevel);
     },
     [](const TSpell& p, char, Measure& m) {
         const int64_t caster = m.Coded(p.CasterType, GetCasterType);
         return p.CasterType == 0 ? caster : caster + m.Byte(' ') + m.Whole(p.MagicLevel);
     }},
    {{"Level", A::Centre, K::Whole, "The level needed to cast it"},
     [](const TSpell& p, char, std::string& s) { return Whole(s, p.Level); },
     [](const TSpell& p, char, Measure& m) { return m.Whole(p.Level); }},
    {{"Difficulty", A::Left, K::Whole, "How hard it is to cast"},
     [](const TSpell& p, char, std::string& s) { return Whole(s, p.Difficulty); },
     [](const TSpell& p, char, Measure& m) { return m.Whole(p.Difficulty); }},
    {{"Mana", A::Right, K::Whole, "Mana a cast costs"},
     [](const TSpell& p, char, std::string& s) { return Whole(s, p.Mana); },
     [](const TSpell& p, char, Measure& m) { return m.Whole(p.Mana); }},
    {{"Spell Type", A::Left, K::Text, "What kind of spell it is"},
     [](const TSpell& p, char, std::string& s) { return Write(s, GetSpellType(p.SpellType)); },
     [](const TSpell& p, char, Measure& m) { return m.Coded(p.SpellType, GetSpellType); }},
    {{"Element", A::Centre, K::Text, "Its element"},
     [](const TSpell& p, char, std::string& s) { return Write(s, GetSpellElement(p.Element)); },
     [](const TSpell& p, char, Measure& m) { return m.Coded(p.Element, GetSpellElement); }},
    {{"Targets", A::Left, K::Text, "Whom it strikes"},
     [](const TSpell& p, char, std::string& s) { return Write(s, GetSpellTargetType(p.Targets)); },
     [](const TSpell& p, char, Measure& m) { return m.Coded(p.Targets, GetSpellTargetType); }},
    {{"Id", A::Left, K::Whole, "The spell's number"},
     [](const TSpell& p, char, std::string& s) { return Whole(s, p.Number); },
     [](const TSpell& p, char, Measure& m) { return m.Whole(p.Number); }},
    {{"Dmg", A::Right, K::OptionalDecimal, "Average damage of a cast at the caster's level, over all its rounds", true},
     nullptr,
     nullptr,
     [](const TSpell& p, int32_t level, char sep, std::string& s) {
         const auto damage = DamageOf(p, level).Damage;
         return damage ? Real(s, *damage, sep) : std::string_view();
     }},
    {{"Dmg/Mana", A::Right, K::OptionalDecimal, "Average damage for each point of mana", true},
     nullptr,
     nullptr,
     [](const TSpell& p, int32_t level, char sep, std::string& s) {
         const auto perMana = DamageOf(p, level).PerMana;
         if (perMana) AppendFixed(s, *perMana, 2, sep);
         return std::string_view(s);
     }},
    {{"Rounds", A::Right, K::OptionalDecimal, "How many rounds it lasts at the caster's level", true},
     nullptr,
     nullptr,
     [](const TSpell& p, int32_t level, char, std::string& s) {
         const auto rounds = DamageOf(p, level).Rounds;
         return rounds ? Whole(s, *rounds) : std::string_view();
     }},
};

std::span<const ItemColumn> ItemColumns(ListKind kind)
{
    switch (kind) {
    case ListKind::Armor: return kArmourCells;
    case ListKind::Weapons: return kWeaponCells;
    case ListKind::Other: return kOtherCells;
    case ListKind::Spells: break;
    }
    return {};
}

// The columns whose cells the record writes: all but the ones the list works out. Asked for
// every cell written or measured, so found once.
std::span<const ItemColumn> ItemCells(ListKind kind)
{
    const auto written = [](ListKind list) {
        std::span<const ItemColumn> all = ItemColumns(list);
        while (!all.empty() && !all.back().Write) all = all.first(all.size() - 1);
        return all;
    };
    static const std::span<const ItemColumn> kWritten[] = {
        written(ListKind::Armor), written(ListKind::Weapons), written(ListKind::Other), {}};
    return kWritten[static_cast<int>(kind)];
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
    if (const TSpell* spell = row.Spell()) {
        if (c >= std::size(kSpellCells)) return {};
        const SpellColumn& cell = kSpellCells[c];
        return cell.WriteAt ? cell.WriteAt(*spell, row.Level(), row.DecimalSep(), scratch)
                            : cell.Write(*spell, row.DecimalSep(), scratch);
    }
    const std::span<const ItemColumn> cells = ItemCells(row.Kind());
    const TItem* item = row.Item();
    return item && c < cells.size() ? cells[c].Write(*item, row.DecimalSep(), scratch) : std::string_view();
}

namespace {

// The columns an item row's record writes; none for other rows.
std::span<const ItemColumn> RecordCells(const ListRow& row)
{
    return row.Item() ? ItemCells(row.Kind()) : std::span<const ItemColumn>();
}

// The width of cell c of row by its column's probe, or of its written text where it has none;
// cells: RecordCells(row), found once for all the row's cells.
int64_t WidthOf(const ListRow& row, std::span<const ItemColumn> cells, size_t c, Measure& m, std::string& scratch)
{
    if (const TItem* item = row.Item()) {
        if (c >= cells.size()) return m.Text({});  // worked out by the list
        if (cells[c].Width) return cells[c].Width(*item, row.DecimalSep(), m);
    } else if (const TSpell* spell = row.Spell(); spell && c < std::size(kSpellCells) && kSpellCells[c].Width) {
        return kSpellCells[c].Width(*spell, row.DecimalSep(), m);
    }
    return m.Text(CellText(row, c, scratch));
}

}  // namespace

int64_t CellWidth(const ListRow& row, size_t c, const ByteAdvances& advances)
{
    Measure m(advances);
    std::string scratch;
    return WidthOf(row, RecordCells(row), c, m, scratch);
}

namespace {

// The rows of each column's widest cells, found a row at a time.
class WidestFinder {
public:
    WidestFinder(size_t columns, const ByteAdvances& advances, size_t keep)
        : measures_(columns, Measure(advances)), kept_(columns), keep_(keep)
    {}

    void Add(const ListRow& row, size_t index)
    {
        if (keep_ == 0) return;
        const std::span<const ItemColumn> cells = RecordCells(row);
        for (size_t c = 0; c < kept_.size(); ++c) {
            auto& k = kept_[c];  // (width, row), widest first
            measures_[c].SetFloor(k.size() == keep_ ? k.back().first : -1);
            const int64_t w = WidthOf(row, cells, c, measures_[c], scratch_);
            if (k.size() == keep_ && w <= k.back().first) continue;
            if (k.size() == keep_) k.pop_back();
            k.insert(std::upper_bound(k.begin(), k.end(), w, [](int64_t v, const auto& e) { return v > e.first; }),
                     {w, index});
        }
    }

    std::vector<std::vector<size_t>> Rows() const
    {
        std::vector<std::vector<size_t>> widest(kept_.size());
        for (size_t c = 0; c < kept_.size(); ++c)
            for (const auto& [w, r] : kept_[c]) widest[c].push_back(r);
        return widest;
    }

private:
    std::vector<Measure> measures_;
    std::vector<std::vector<std::pair<int64_t, size_t>>> kept_;
    size_t keep_;
    std::string scratch_;
};

}  // namespace

std::vector<std::vector<size_t>> WidestCells(const std::vector<ListRow>& rows, size_t columns,
                                             const ByteAdvances& advances, size_t keep)
{
    WidestFinder finder(columns, advances, keep);
    for (size_t r = 0; r < rows.size(); ++r) finder.Add(rows[r], r);
    return finder.Rows();
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
    const auto defs = [](const auto& table) {
        std::vector<ColumnDef> out;
        for (const auto& column : table) out.push_back(column.Def);
        return out;
    };
    static const std::vector<ColumnDef> armour = defs(kArmourCells), weapons = defs(kWeaponCells),
                                        other = defs(kOtherCells), spells = defs(kSpellCells);
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

bool MakeItemRow(ListKind list, const TItem& item, char sep, ListRow& row)
{
    if (list == ListKind::Spells) return false;
    row = ListRow(item, list, sep);
    return list != ListKind::Armor || item.WornSlot > 0;
}

bool MakeItemRow(const std::string& kind, const TItem& item, char sep, ListRow& row)
{
    const ListKind list = kind == "A" ? ListKind::Armor : kind == "W" ? ListKind::Weapons : ListKind::Other;
    return MakeItemRow(list, item, sep, row) && (list != ListKind::Other || kind == "O");
}

bool MakeSpellRow(const std::string& kind, const TSpell& spell, char sep, ListRow& row)
{
    if (kind != "S") return false;
    row = ListRow(spell, sep);
    return true;
}

std::vector<ListRow> AllRows(ListKind kind, const ItemList& items, const SpellList& spells, char sep,
                             const ByteAdvances* advances, std::vector<std::vector<size_t>>* widest)
{
    // The widths are measured as each row is made, while its record is at hand.
    std::optional<WidestFinder> finder;
    if (advances && widest) finder.emplace(Columns(kind).size(), *advances, kWidestKept);
    std::vector<ListRow> rows;
    const auto add = [&](ListRow&& row) {
        if (finder) finder->Add(row, rows.size());
        rows.push_back(std::move(row));
    };
    ListRow row;
    if (kind == ListKind::Spells) {
        rows.reserve(spells.size());
        for (const TSpell& spell : spells)
            if (MakeSpellRow("S", spell, sep, row)) add(std::move(row));
    } else {
        bool (*const takes)(const TItem&) = kind == ListKind::Armor     ? IsArmour
                                            : kind == ListKind::Weapons ? IsWeapon
                                                                        : IsOtherItem;
        for (const TItem& item : items)
            if (takes(item) && MakeItemRow(kind, item, sep, row)) add(std::move(row));
    }
    if (finder) *widest = finder->Rows();
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
