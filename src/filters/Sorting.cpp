#include "filters/Sorting.h"

#include "data/Text.h"

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

// Appends s with the ASCII letters a..z folded to upper case: folded texts in byte order are
// in the order CompareText gives the texts.
void AppendFolded(std::string& out, std::string_view s)
{
    const size_t at = out.size();
    out.append(s);
    char* const folded = out.data() + at;  // a plain loop over bytes, with no branch
    for (size_t i = 0; i < s.size(); ++i) {
        const char ch = folded[i];
        folded[i] = static_cast<char>(ch - ((ch >= 'a' && ch <= 'z') ? 'a' - 'A' : 0));
    }
}

// The ascending answer of the text kinds: the cells decide, the captions break a tie. (For the
// caption column the cell is the caption itself.)
int AscendingText(std::string_view cellA, std::string_view captionA, std::string_view cellB, std::string_view captionB)
{
    const int r = CompareText(cellA, cellB);
    return r != 0 ? r : CompareText(captionA, captionB);
}

// Whether the list has the column and sorts it by its cells (a computed column it does not).
bool HasColumn(const std::vector<ColumnDef>& columns, const SortState& state)
{
    return state.Column >= 0 && static_cast<size_t>(state.Column) < columns.size() &&
           columns[static_cast<size_t>(state.Column)].Kind != ColumnKind::Computed;
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

// Sorts n entries by Key, then Left, in the direction asked, keeping equal ones in their order:
// a radix sort, a byte at a time from the last, that skips the bytes all of them share.
template <class Entry>
void RadixSort(Entry* first, size_t n, std::vector<Entry>& scratch, bool desc)
{
    constexpr int kPasses = 9;  // Left, then the key's eight bytes from its lowest
    const auto digit = [desc](const Entry& e, int pass) {
        const unsigned d = pass == 0 ? e.Left : static_cast<unsigned>(e.Key >> (8 * (pass - 1)) & 0xff);
        return desc ? 255 - d : d;
    };
    std::array<std::array<size_t, 256>, kPasses> counts{};
    for (size_t i = 0; i < n; ++i)
        for (int pass = 0; pass < kPasses; ++pass) ++counts[pass][digit(first[i], pass)];
    scratch.resize(n);
    Entry* from = first;
    Entry* to = scratch.data();
    for (int pass = 0; pass < kPasses; ++pass) {
        auto& count = counts[pass];
        if (std::find(count.begin(), count.end(), n) != count.end()) continue;  // one digit for all
        size_t at = 0;
        for (size_t& c : count) at += std::exchange(c, at);
        for (size_t i = 0; i < n; ++i) to[count[digit(from[i], pass)]++] = from[i];
        std::swap(from, to);
    }
    if (from != first) std::copy(from, from + n, first);
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
    // Each row's cell and caption are folded once, into one string. The rows are then sorted by
    // eight bytes of it at a time, held in a number: every cell's first eight, then each run of
    // rows whose cells agree so far by the next eight, and so on; runs of equal cells then by
    // their captions the same way. Rows equal in both keep their order. Each sort compares
    // numbers only, and no text is read twice at the same place.
    if (rows.size() > UINT32_MAX) throw std::length_error("The list has too many rows to sort.");
    struct Text {
        uint32_t At, Size;
    };
    std::string folded;
    folded.reserve(rows.size() * (c == 0 ? 32 : 64));  // room untouched costs no memory
    const auto fold = [&](std::string_view text) {
        const Text t{static_cast<uint32_t>(folded.size()), static_cast<uint32_t>(text.size())};
        AppendFolded(folded, text);
        if (folded.size() > UINT32_MAX) throw std::length_error("The texts of a list are too long to sort.");
        return t;
    };
    std::vector<Text> cells, captions;  // by row; no captions when the column is the caption
    cells.reserve(rows.size());
    if (c != 0) captions.reserve(rows.size());
    for (const ListRow& row : rows) {
        cells.push_back(fold(CellText(row, c, scratch)));
        if (c != 0) captions.push_back(fold(CellText(row, 0, scratch)));
    }
    struct Entry {
        uint64_t Key;   // eight bytes of the text from where the run is, big end first, zeros past its end
        uint32_t Left;  // bytes of the text from there: 9 for more than eight
        uint32_t Row;
    };
    std::vector<Entry> entries(rows.size());
    for (size_t i = 0; i < entries.size(); ++i) entries[i].Row = static_cast<uint32_t>(i);
    struct Run {
        size_t Begin, End;
        uint32_t Offset;  // of the bytes that sort it
        bool Caption;
    };
    std::vector<Run> runs{{0, entries.size(), 0, false}};
    std::vector<Entry> spare;  // the radix sort's
    while (!runs.empty()) {
        const Run run = runs.back();
        runs.pop_back();
        const std::vector<Text>& texts = run.Caption ? captions : cells;
        for (size_t k = run.Begin; k < run.End; ++k) {
            Entry& e = entries[k];
            const Text t = texts[e.Row];
            const uint32_t left = t.Size - run.Offset;
            e.Key = 0;
            for (uint32_t i = 0; i < 8; ++i)
                e.Key = e.Key << 8 | (i < left ? static_cast<unsigned char>(folded[t.At + run.Offset + i]) : 0u);
            e.Left = std::min<uint32_t>(left, 9);
        }
        const auto begin = entries.begin() + static_cast<ptrdiff_t>(run.Begin);
        const auto end = entries.begin() + static_cast<ptrdiff_t>(run.End);
        // The entries of a run are in row order (as the run before left them), so an order that
        // keeps equal ones where they are breaks ties by row.
        const size_t size = run.End - run.Begin;
        if (size >= 256) {
            RadixSort(&*begin, size, spare, desc);
        } else {
            std::sort(begin, end, [desc](const Entry& x, const Entry& y) {
                if (x.Key != y.Key) return (x.Key < y.Key) != desc;
                if (x.Left != y.Left) return (x.Left < y.Left) != desc;
                return x.Row < y.Row;
            });
        }
        for (size_t a = run.Begin, b; a < run.End; a = b) {
            for (b = a + 1; b < run.End && entries[b].Key == entries[a].Key && entries[b].Left == entries[a].Left;
                 ++b) {}
            if (b - a < 2) continue;
            if (entries[a].Left > 8)
                runs.push_back({a, b, run.Offset + 8, run.Caption});  // the texts go on: the next eight bytes
            else if (!run.Caption && c != 0)
                runs.push_back({a, b, 0, true});  // equal cells: their captions
        }
    }
    spare = {};  // its room is the order's
    std::vector<size_t> order;
    order.reserve(entries.size());
    for (const Entry& e : entries) order.push_back(e.Row);
    return order;
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
