#include "filters/Sorting.h"

#include "data/Text.h"
#include "filters/FoldedTexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <stdexcept>
#include <string>
#include <utility>

namespace vantor {
namespace {

int Sign(long double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

bool IsNumberKind(ColumnKind k)
{
    return k == ColumnKind::Whole || k == ColumnKind::Decimal || k == ColumnKind::OptionalDecimal ||
           k == ColumnKind::LeadingNumber;
}

long double NumberKey(ColumnKind kind, std::string_view cell)
{
    switch (kind) {
    case ColumnKind::Whole: return WholeKey(cell);
    case ColumnKind::LeadingNumber: return LeadingNumberKey(cell);
    case ColumnKind::OptionalDecimal:
        return Trim(cell).empty() ? -std::numeric_limits<long double>::infinity() : DecimalKey(cell);
    default: return DecimalKey(cell);
    }
}

// The ascending answer of the text kinds: the cells decide, the captions break a tie. (For the
// caption column the cell is the caption itself.)
int AscendingText(std::string_view cellA, std::string_view captionA, std::string_view cellB, std::string_view captionB)
{
    const int r = CompareText(cellA, cellB);
    return r != 0 ? r : CompareText(captionA, captionB);
}

// Whether the list has the column and sorts it by its cells (the columns it works out it does not).
bool HasColumn(const std::vector<ColumnDef>& columns, const SortState& state)
{
    if (state.Column < 0 || static_cast<size_t>(state.Column) >= columns.size()) return false;
    const ColumnKind kind = columns[static_cast<size_t>(state.Column)].Kind;
    return kind != ColumnKind::Computed && kind != ColumnKind::Owned;
}

// Sorts keyed entries (each with its row index) by compare, a three-way answer, equal entries in
// their row order (a stable sort's order, at an unstable sort's speed), and gives the row order.
template <class Entry, class Compare>
std::vector<size_t> OrderBy(std::vector<Entry>& entries, Compare compare)
{
    std::sort(entries.begin(), entries.end(), [&compare](const Entry& x, const Entry& y) {
        const int r = compare(x, y);
        return r != 0 ? r < 0 : x.Row < y.Row;
    });
    std::vector<size_t> order;
    order.reserve(entries.size());
    for (const Entry& e : entries) order.push_back(e.Row);
    return order;
}

}  // namespace

void HeaderClick(int32_t& sortColumn, bool& descending, int32_t clicked)
{
    if (clicked == sortColumn) {
        descending = !descending;
    } else {
        descending = false;
        sortColumn = clicked;
    }
}

long long WholeKey(std::string_view cell)
{
    int32_t v = 0;
    return TryStrToInt(Trim(cell), v) ? v : 0;
}

long long LeadingNumberKey(std::string_view cell)
{
    // The cell reads minimum "-" maximum; a negative minimum keeps its own sign, so "-5-10" has
    // the key -5.
    const size_t dash = cell.find('-', 1);
    return WholeKey(dash == std::string_view::npos ? cell : cell.substr(0, dash));
}

long double DecimalKey(std::string_view cell)
{
    // Cells hold digits with one decimal separator, whichever the system uses.
    cell = Trim(cell);
    size_t i = 0;
    bool negative = false;
    if (i < cell.size() && (cell[i] == '-' || cell[i] == '+')) negative = cell[i++] == '-';
    long double v = 0, scale = 0;
    for (; i < cell.size(); ++i) {
        const char ch = cell[i];
        if (ch >= '0' && ch <= '9') {
            if (scale == 0) {
                v = v * 10 + (ch - '0');
            } else {
                v += (ch - '0') * scale;
                scale /= 10;
            }
        } else if (scale == 0 && (ch == '.' || ch == ',')) {
            scale = 0.1L;
        } else {
            break;
        }
    }
    // A number past fifteen digits is written with an exponent: "1.5e+20".
    if (i < cell.size() && (cell[i] == 'e' || cell[i] == 'E')) {
        size_t j = i + 1;
        const bool down = j < cell.size() && cell[j] == '-';
        if (j < cell.size() && (cell[j] == '-' || cell[j] == '+')) ++j;
        int exponent = 0;
        for (; j < cell.size() && cell[j] >= '0' && cell[j] <= '9' && exponent < 10000; ++j)
            exponent = exponent * 10 + (cell[j] - '0');
        v *= std::pow(10.0L, down ? -exponent : exponent);
    }
    return negative ? -v : v;
}

int CompareRows(const ListRow& a, const ListRow& b, const std::vector<ColumnDef>& columns, const SortState& state,
                bool loading)
{
    if (loading || !HasColumn(columns, state)) return 0;
    const size_t c = static_cast<size_t>(state.Column);
    const ColumnKind kind = columns[c].Kind;
    std::string cellA, cellB, captionA, captionB;
    const int r = IsNumberKind(kind)
                      ? Sign(NumberKey(kind, CellText(a, c, cellA)) - NumberKey(kind, CellText(b, c, cellB)))
                      : AscendingText(CellText(a, c, cellA), CellText(a, 0, captionA), CellText(b, c, cellB),
                                      CellText(b, 0, captionB));
    return state.Descending ? -r : r;
}

std::vector<size_t> SortOrder(const std::vector<ListRow>& rows, const std::vector<ColumnDef>& columns,
                              const SortState& state, bool loading)
{
    if (loading || !HasColumn(columns, state)) {
        std::vector<size_t> order(rows.size());
        std::iota(order.begin(), order.end(), size_t{0});
        return order;
    }
    // Each row's key is taken once; the sort then compares keys only.
    const size_t c = static_cast<size_t>(state.Column);
    const ColumnKind kind = columns[c].Kind;
    const bool desc = state.Descending;
    std::string scratch;
    if (IsNumberKind(kind)) {
        struct Entry {
            long double Key;
            size_t Row;
        };
        std::vector<Entry> entries;
        entries.reserve(rows.size());
        for (size_t i = 0; i < rows.size(); ++i) entries.push_back({NumberKey(kind, CellText(rows[i], c, scratch)), i});
        return OrderBy(entries, [desc](const Entry& x, const Entry& y) {
            const int r = x.Key < y.Key ? -1 : (y.Key < x.Key ? 1 : 0);
            return desc ? -r : r;
        });
    }
    // Each row's cell and caption are folded once, into one string each; the rows are then put
    // in their cells' order, equal cells by their captions, rows equal in both in their order.
    if (rows.size() > UINT32_MAX) throw std::length_error("The list has too many rows to sort.");
    FoldedTexts cells(rows.size(), rows.size() * 32), captions(c == 0 ? 0 : rows.size(), c == 0 ? 0 : rows.size() * 32);
    for (const ListRow& row : rows) {
        cells.Add(CellText(row, c, scratch));
        if (c != 0) captions.Add(CellText(row, 0, scratch));
    }
    const std::vector<uint32_t> sorted = cells.Order(desc, c == 0 ? nullptr : &captions);
    return std::vector<size_t>(sorted.begin(), sorted.end());
}

std::vector<size_t> SortOrderByKeys(const std::vector<std::optional<__int128>>& keys, bool descending)
{
    struct Entry {
        std::optional<__int128> Key;
        size_t Row;
    };
    std::vector<Entry> entries;
    entries.reserve(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) entries.push_back({keys[i], i});
    return OrderBy(entries, [descending](const Entry& x, const Entry& y) {
        const int r = x.Key == y.Key ? 0 : (x.Key < y.Key ? -1 : 1);  // nothing below every number
        return descending ? -r : r;
    });
}

std::optional<std::vector<size_t>> OrderByName(const std::vector<ListRow>& rows, const ItemList& items,
                                               const std::vector<uint32_t>& byName)
{
    constexpr size_t kNoRow = SIZE_MAX;
    std::vector<size_t> rowOf(items.size(), kNoRow);
    size_t r = 0;
    for (size_t i = 0; i < items.size() && r < rows.size(); ++i)
        if (rows[r].Item() == &items[i]) rowOf[i] = r++;
    if (r != rows.size()) return std::nullopt;
    std::vector<size_t> order;
    order.reserve(rows.size());
    for (const uint32_t at : byName)
        if (at < rowOf.size() && rowOf[at] != kNoRow) order.push_back(rowOf[at]);
    if (order.size() != rows.size()) return std::nullopt;
    return order;
}

void ApplyOrder(std::vector<ListRow>& rows, const std::vector<size_t>& order)
{
    // In place, one cycle of the permutation at a time: no second list of rows.
    std::vector<bool> placed(rows.size());
    for (size_t start = 0; start < rows.size(); ++start) {
        if (placed[start]) continue;
        ListRow first = std::move(rows[start]);
        size_t to = start;
        for (size_t from = order[to]; from != start && !placed[from]; to = from, from = order[to]) {
            rows[to] = std::move(rows[from]);
            placed[to] = true;
        }
        rows[to] = std::move(first);
        placed[to] = true;
    }
}

}  // namespace vantor
