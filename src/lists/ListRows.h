#pragma once
// The rows of the four lists: armour, weapons, other items and spells. Every row of a list is
// made here, whoever adds it, and stays bound to its record.

#include "data/GameData.h"

#include <string>
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

struct ListRow {
    const TItem* Item = nullptr;    // the record of an item row
    const TSpell* Spell = nullptr;  // the record of a spell row
    std::vector<std::string> Cells; // caption first
};

// The row of item for the list named by kind: "A" armour (only items worn somewhere), "W"
// weapons, "O" other items. False when that kind adds no row.
bool MakeItemRow(const std::string& kind, const TItem& item, char decimalSep, ListRow& row);

// The row of spell for kind "S"; false for any other kind.
bool MakeSpellRow(const std::string& kind, const TSpell& spell, ListRow& row);

// Which list an item belongs to at load: weapons (ItemType 1), armour (0), other (above 1 and
// lighter than 9800).
bool IsWeapon(const TItem& item);
bool IsArmour(const TItem& item);
bool IsOtherItem(const TItem& item);

// The lines the spell memo shows for a spell's notes: split at every comma, each part trimmed of
// spaces; no empty last line for notes that end with a comma.
std::vector<std::string> SpellNoteLines(const std::string& notes);

}  // namespace vantor
