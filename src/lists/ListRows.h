#pragma once
// The rows of the four lists: armour, weapons, other items and spells. Every row of a list is
// made here, whoever adds it, and stays bound to its record.

#include "data/GameData.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

enum class ListKind { Armor, Weapons, Other, Spells };

enum class Align { Left, Right, Centre };

// How a column sorts: by the caption, as text (caption breaks ties), as a whole number, as a
// decimal number, or by the number in front of its first "-" (weapon damage).
enum class ColumnKind { Caption, Text, Whole, Decimal, LeadingNumber };

struct ColumnDef {
    const char* Caption;
    Align Alignment;
    ColumnKind Kind;
};

const std::vector<ColumnDef>& Columns(ListKind list);

// The texts of a row that keeps its own cells (a row made of texts rather than of a record).
class RowCells {
public:
    RowCells() = default;
    RowCells(std::initializer_list<std::string_view> cells);
    RowCells(const std::vector<std::string>& cells);
    RowCells(const RowCells& other);
    RowCells& operator=(const RowCells& other);
    RowCells(RowCells&&) noexcept = default;
    RowCells& operator=(RowCells&&) noexcept = default;

    size_t size() const { return texts_ ? texts_->size() : 0; }
    bool empty() const { return size() == 0; }
    std::string_view operator[](size_t i) const { return (*texts_)[i]; }

private:
    std::unique_ptr<std::vector<std::string>> texts_;  // none for most rows: a pointer's room
};

// A row of a list. A record's row keeps no texts: its cells are written from the record when
// they are shown, sorted or copied, so a list of 100,000 rows costs little more than its records.
struct ListRow {
    const TItem* Item = nullptr;    // the record of an item row
    const TSpell* Spell = nullptr;  // the record of a spell row
    ListKind Kind = ListKind::Armor;
    char DecimalSep = '.';          // of the numbers the row writes
    RowCells Cells;                 // the texts of a row made of texts, caption first
};

// How many cells the row has.
size_t CellCount(const ListRow& row);
// Cell c of the row (empty past the last one). A text the record does not hold is written into
// scratch, which the answer may then view.
std::string_view CellText(const ListRow& row, size_t c, std::string& scratch);
// Every cell of the row.
std::vector<std::string> CellTexts(const ListRow& row);

// The code that names a list to the row builders: "A", "W", "O" or "S".
const std::string& KindCode(ListKind kind);

// The row of item for the list named by kind: "A" armour (only items worn somewhere), "W"
// weapons, "O" other items. False when that kind adds no row.
bool MakeItemRow(const std::string& kind, const TItem& item, char decimalSep, ListRow& row);

// The row of spell for kind "S"; false for any other kind.
bool MakeSpellRow(const std::string& kind, const TSpell& spell, ListRow& row);

// The rows a list shows unfiltered, in the order of the records: armour from the armour items
// worn somewhere, weapons, other items, or every spell.
std::vector<ListRow> AllRows(ListKind kind, const ItemList& items, const SpellList& spells, char decimalSep);

// Which list an item belongs to at load: weapons (ItemType 1), armour (0), other (above 1 and
// lighter than 9800).
bool IsWeapon(const TItem& item);
bool IsArmour(const TItem& item);
bool IsOtherItem(const TItem& item);

// The lines the spell memo shows for a spell's notes: split at every comma, each part trimmed of
// spaces; no empty last line for notes that end with a comma.
std::vector<std::string> SpellNoteLines(const std::string& notes);

}  // namespace vantor
