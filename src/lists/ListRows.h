#pragma once
// The rows of the four lists: armour, weapons, other items and spells. Every row of a list is
// made here, whoever adds it, and stays bound to its record.

#include "data/GameData.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

enum class ListKind : uint8_t { Armor, Weapons, Other, Spells };

enum class Align { Left, Right, Centre };

// How a column sorts: by the caption, as text (caption breaks ties), as a whole number, as a
// decimal number, as a decimal number that may be missing (empty cells below every number), or
// by the number in front of its first "-" (weapon damage). A computed column
// holds what the window works out from more than the record (an item's gain for the worn set):
// its cells are not the record's, and the window sorts it by its own numbers.
// Computed and Owned columns are worked out by the list (the gain, whether the character owns
// the item), not written from the record.
enum class ColumnKind { Caption, Text, Whole, Decimal, OptionalDecimal, LeadingNumber, Computed, Owned };

struct ColumnDef {
    const char* Caption;
    Align Alignment;
    ColumnKind Kind;
    const char* Hint;      // what the column holds, as its caption's tool tip
    bool ByLevel = false;  // worked out at the caster's level a row carries (the spells' damage)
};

const std::vector<ColumnDef>& Columns(ListKind list);

// A row of a list. A record's row keeps no texts: its cells are written from the record when
// they are shown, sorted or copied, so a list of 100,000 rows costs little more than its records.
// A row made of texts (caption first) keeps its own.
class ListRow {
public:
    ListRow() = default;
    ListRow(const TItem& item, ListKind kind, char decimalSep)
        : at_(&item), kind_(kind), decimalSep_(decimalSep), holds_(Holds::Item)
    {}
    ListRow(const TSpell& spell, char decimalSep)
        : at_(&spell), kind_(ListKind::Spells), decimalSep_(decimalSep), holds_(Holds::Spell)
    {}
    explicit ListRow(std::vector<std::string> texts);
    ListRow(const ListRow& other);
    ListRow& operator=(const ListRow& other);
    ListRow(ListRow&& other) noexcept { Take(other); }
    ListRow& operator=(ListRow&& other) noexcept
    {
        if (this != &other) {
            Release();
            Take(other);
        }
        return *this;
    }
    ~ListRow() { Release(); }

    // The record of an item row, of a spell row; none for the other rows.
    const TItem* Item() const { return holds_ == Holds::Item ? static_cast<const TItem*>(at_) : nullptr; }
    const TSpell* Spell() const { return holds_ == Holds::Spell ? static_cast<const TSpell*>(at_) : nullptr; }
    // The texts of a row made of texts; none for a record's row.
    const std::vector<std::string>* Texts() const
    {
        return holds_ == Holds::Texts ? static_cast<const std::vector<std::string>*>(at_) : nullptr;
    }
    ListKind Kind() const { return kind_; }
    char DecimalSep() const { return decimalSep_; }  // of the numbers the row writes
    // The caster's level a spell row's damage columns are worked out at; 0: the spell's
    // description level.
    uint16_t Level() const { return level_; }
    void SetLevel(uint16_t level) { level_ = level; }

private:
    enum class Holds : uint8_t { Nothing, Item, Spell, Texts };
    // Rows are moved by the hundred thousand when a list is filled or sorted, so these two are
    // written where every mover sees them.
    void Take(ListRow& other) noexcept
    {
        at_ = other.at_;
        kind_ = other.kind_;
        decimalSep_ = other.decimalSep_;
        holds_ = other.holds_;
        level_ = other.level_;
        other.at_ = nullptr;
        other.holds_ = Holds::Nothing;
    }
    void Release() noexcept
    {
        if (holds_ == Holds::Texts) DeleteTexts();
        at_ = nullptr;
        holds_ = Holds::Nothing;
    }
    void DeleteTexts() noexcept;

    const void* at_ = nullptr;  // the record, or the texts the row owns
    ListKind kind_ = ListKind::Armor;
    char decimalSep_ = '.';
    Holds holds_ = Holds::Nothing;
    uint16_t level_ = 0;
};
static_assert(sizeof(ListRow) == 16);

// How many cells the row has.
size_t CellCount(const ListRow& row);
// Cell c of the row (empty past the last one). A text the record does not hold is written into
// scratch, which the answer may then view.
std::string_view CellText(const ListRow& row, size_t c, std::string& scratch);
// Every cell of the row.
std::vector<std::string> CellTexts(const ListRow& row);

// The advance of each byte in the font a list draws its cells with.
using ByteAdvances = std::array<int, 256>;
// The width of cell c: the sum of its bytes' advances (worked out without writing the cell where
// it is a number, a code's name or a record's own text).
int64_t CellWidth(const ListRow& row, size_t c, const ByteAdvances& advances);
// For each of the first `columns` columns, the rows of its widest cells by CellWidth (at most
// keep, widest first, the earlier row first among equals). Cells of numbers, code names and a
// record's own texts are measured without being written, so every row of a large list is quick.
std::vector<std::vector<size_t>> WidestCells(const std::vector<ListRow>& rows, size_t columns,
                                             const ByteAdvances& advances, size_t keep);

// The code that names a list to the row builders: "A", "W", "O" or "S".
const std::string& KindCode(ListKind kind);

// The row of item for the list named by kind: "A" armour (only items worn somewhere), "W"
// weapons, "O" other items. False when that kind adds no row.
bool MakeItemRow(const std::string& kind, const TItem& item, char decimalSep, ListRow& row);
// The same for the list itself; false for the spells.
bool MakeItemRow(ListKind list, const TItem& item, char decimalSep, ListRow& row);

// The row of spell for kind "S"; false for any other kind.
bool MakeSpellRow(const std::string& kind, const TSpell& spell, char decimalSep, ListRow& row);

// The rows a list shows unfiltered, in the order of the records: armour from the armour items
// worn somewhere, weapons, other items, or every spell. Given advances and widest, also the rows
// of each column's widest cells, as WidestCells finds kWidestKept of them.
constexpr size_t kWidestKept = 3;
std::vector<ListRow> AllRows(ListKind kind, const ItemList& items, const SpellList& spells, char decimalSep,
                             const ByteAdvances* advances = nullptr,
                             std::vector<std::vector<size_t>>* widest = nullptr);

// Which list an item belongs to at load: weapons (ItemType 1), armour (0), other (above 1 and
// lighter than 9800).
bool IsWeapon(const TItem& item);
bool IsArmour(const TItem& item);
bool IsOtherItem(const TItem& item);

// The lines the spell memo shows for a spell's notes: split at every comma, each part trimmed of
// spaces; no empty last line for notes that end with a comma.
std::vector<std::string> SpellNoteLines(const std::string& notes);

}  // namespace vantor
