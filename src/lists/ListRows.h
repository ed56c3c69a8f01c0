#pragma once
// The rows of the four lists: armour, weapons, other items and spells. Every row of a list is
// made here, whoever adds it, and stays bound to its record.

#include "data/GameData.h"

#include <array>
#include <cstdint>
#include <initializer_list>
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

// The texts of a row's cells, kept in one string: one allocation a row, not one a cell.
class RowCells {
public:
    static constexpr size_t kMaxCells = 12;  // the most columns a list has

    RowCells() = default;
    RowCells(std::initializer_list<std::string_view> cells);
    RowCells(const std::vector<std::string>& cells);

    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Cell i (i < size()).
    std::string_view operator[](size_t i) const
    {
        const size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }
    std::vector<std::string> Texts() const;

    void Clear();
    // The text of the cell being written: append to it, then End it.
    std::string& Open() { return text_; }
    void End();
    void Add(std::string_view cell);

private:
    std::string text_;
    std::array<uint32_t, kMaxCells> ends_{};
    uint8_t count_ = 0;
};

struct ListRow {
    const TItem* Item = nullptr;    // the record of an item row
    const TSpell* Spell = nullptr;  // the record of a spell row
    RowCells Cells;                 // caption first
};

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
