#pragma once
// Sorting the lists by a column, on the texts shown in the cells.

#include "data/Text.h"
#include "lists/ListRows.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vantor {

struct SortState {
    int32_t Column = 0;
    bool Descending = false;
};

// A header click: the same column again reverses the order; another column sorts ascending.
void HeaderClick(int32_t& sortColumn, bool& descending, int32_t clicked);

// The compare answer for two rows of a list with the given columns: negative puts a first.
// While loading every pair is equal. A column the list does not have compares equal.
int CompareRows(const ListRow& a, const ListRow& b, const std::vector<ColumnDef>& columns, const SortState& state,
                bool loading);

// The order of rows sorted by state: element i is the index of the row that goes to position i.
// Equal rows keep their present order.
std::vector<size_t> SortOrder(const std::vector<ListRow>& rows, const std::vector<ColumnDef>& columns,
                              const SortState& state, bool loading);

// The order of rows by numbers of their own (a computed column's), as SortOrder gives it: rows
// without a number first when ascending, equal rows in their present order.
std::vector<size_t> SortOrderByKeys(const std::vector<std::optional<__int128>>& keys, bool descending);

// The order SortOrder gives item rows (made in the items' order) by their first column, the name,
// ascending: taken from the items' positions by name (byName, as ItemsByName gives them, which
// folds and orders names as CompareText does) instead of sorted again. Nothing when a row's item
// is not among those positions, or the rows are not in the items' order.
std::optional<std::vector<size_t>> OrderByName(const std::vector<ListRow>& rows, const ItemList& items,
                                               const std::vector<uint32_t>& byName);

// Puts rows in the given order (element i names the row that goes to position i).
void ApplyOrder(std::vector<ListRow>& rows, const std::vector<size_t>& order);

// The number keys the sort uses for a cell of the number kinds (an empty cell is 0).
long long WholeKey(std::string_view cell);
long long LeadingNumberKey(std::string_view cell);
long double DecimalKey(std::string_view cell);

}  // namespace vantor
