#include "filters/FoldedTexts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace vantor {
namespace {

// Sixteen bytes of a text at a time, as two numbers.
constexpr uint32_t kKeyBytes = 16;

struct Entry {
    uint64_t High, Low;  // sixteen bytes of the text from where the run is, big end first, zeros past its end
    uint32_t Left;       // bytes of the text from there: 17 for more than sixteen
    uint32_t Index;
};

// Whether x goes before y: by High, Low, then Left, in the direction asked; equal ones by Index.
bool Before(const Entry& x, const Entry& y, bool desc)
{
    if (x.High != y.High) return (x.High < y.High) != desc;
    if (x.Low != y.Low) return (x.Low < y.Low) != desc;
    if (x.Left != y.Left) return (x.Left < y.Left) != desc;
    return x.Index < y.Index;
}

// Byte b of the sixteen (15 the highest), or Left for -1.
unsigned Digit(const Entry& e, int b)
{
    if (b < 0) return e.Left;
    return static_cast<unsigned>((b >= 8 ? e.High >> (8 * (b - 8)) : e.Low >> (8 * b)) & 0xff);
}

// Sorts n entries by their sixteen bytes, then Left, in the direction asked, keeping equal ones in
// their order: a radix sort a byte at a time from the highest, each part by the next byte that
// tells its entries apart, and Left last. Parts of a few entries are sorted by inserting. byte:
// the highest that may differ (15 the highest; -1 for Left), those above it shared by all n.
void RadixSort(Entry* first, size_t n, std::vector<Entry>& scratch, bool desc, int byte = kKeyBytes - 1)
{
    constexpr size_t kFew = 32;
    if (n <= kFew) {
        for (size_t i = 1; i < n; ++i) {
            const Entry e = first[i];
            size_t j = i;
            for (; j > 0 && Before(e, first[j - 1], desc); --j) first[j] = first[j - 1];
            first[j] = e;
        }
        return;
    }
    // The bytes the entries share need no pass: the highest that differs is found at once.
    uint64_t high = 0, low = 0;
    bool lefts = false;
    for (size_t i = 1; i < n; ++i) {
        high |= first[i].High ^ first[0].High;
        low |= first[i].Low ^ first[0].Low;
        lefts |= first[i].Left != first[0].Left;
    }
    if (high != 0)
        byte = std::min(byte, 8 + (63 - std::countl_zero(high)) / 8);
    else if (low != 0)
        byte = std::min(byte, (63 - std::countl_zero(low)) / 8);
    else if (lefts)
        byte = -1;
    else
        return;  // equal in all
    const auto digit = [desc, byte](const Entry& e) {
        const unsigned d = Digit(e, byte);
        return desc ? 255 - d : d;
    };
    std::array<size_t, 256> count{};
    for (size_t i = 0; i < n; ++i) ++count[digit(first[i])];
    std::array<size_t, 256> at{};
    for (size_t d = 1; d < 256; ++d) at[d] = at[d - 1] + count[d - 1];
    scratch.resize(std::max(scratch.size(), n));
    for (size_t i = 0; i < n; ++i) scratch[at[digit(first[i])]++] = first[i];
    std::copy(scratch.begin(), scratch.begin() + static_cast<ptrdiff_t>(n), first);
    if (byte >= 0)
        for (size_t d = 0, from = 0; d < 256; from += count[d++])
            if (count[d] > 1) RadixSort(first + from, count[d], scratch, desc, byte - 1);
}

// Eight bytes from bytes, big end first, zeros past the left there are.
uint64_t BigEnd(const char* bytes, uint32_t left)
{
    uint64_t key = 0;
    if (left >= 8) {
        std::memcpy(&key, bytes, 8);
        if constexpr (std::endian::native == std::endian::little) key = __builtin_bswap64(key);
        return key;
    }
    for (uint32_t i = 0; i < 8; ++i) key = key << 8 | (i < left ? static_cast<unsigned char>(bytes[i]) : 0u);
    return key;
}

}  // namespace

FoldedTexts::FoldedTexts(size_t texts, size_t bytes)
{
    texts_.reserve(texts);
    folded_.reserve(bytes);
}

void FoldedTexts::Add(std::string_view text)
{
    const size_t at = folded_.size();
    if (texts_.size() >= UINT32_MAX || at + text.size() > UINT32_MAX)
        throw std::length_error("The texts are too long to sort.");
    folded_.append(text);
    char* const folded = folded_.data() + at;  // a plain loop over bytes, with no branch
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = folded[i];
        folded[i] = static_cast<char>(ch - ((ch >= 'a' && ch <= 'z') ? 'a' - 'A' : 0));
    }
    texts_.push_back({static_cast<uint32_t>(at), static_cast<uint32_t>(text.size())});
}

std::vector<uint32_t> FoldedTexts::Order(bool desc, const FoldedTexts* ties) const
{
    // Sorted by sixteen bytes at a time, held in two numbers: every text's first sixteen, then
    // each run of texts that agree so far by the next sixteen, and so on; runs of equal texts then
    // by their ties the same way. Each sort compares numbers only, and no text is read twice at
    // the same place.
    std::vector<Entry> entries(texts_.size());
    for (size_t i = 0; i < entries.size(); ++i) entries[i].Index = static_cast<uint32_t>(i);
    struct Run {
        size_t Begin, End;
        uint32_t Offset;  // of the bytes that sort it
        bool Ties;
    };
    std::vector<Run> runs{{0, entries.size(), 0, false}};
    std::vector<Entry> spare;  // the radix sort's
    while (!runs.empty()) {
        const Run run = runs.back();
        runs.pop_back();
        const FoldedTexts& texts = run.Ties ? *ties : *this;
        for (size_t k = run.Begin; k < run.End; ++k) {
            Entry& e = entries[k];
            const Text t = texts.texts_[e.Index];
            const uint32_t left = t.Size - run.Offset;
            const char* bytes = texts.folded_.data() + t.At + run.Offset;
            e.High = BigEnd(bytes, left);
            e.Low = left > 8 ? BigEnd(bytes + 8, left - 8) : 0;
            e.Left = std::min(left, kKeyBytes + 1);
        }
        // The entries of a run are in the order added (as the run before left them), so an order
        // that keeps equal ones where they are breaks ties by that order.
        RadixSort(entries.data() + run.Begin, run.End - run.Begin, spare, desc);
        const auto same = [](const Entry& x, const Entry& y) {
            return x.High == y.High && x.Low == y.Low && x.Left == y.Left;
        };
        for (size_t a = run.Begin, b; a < run.End; a = b) {
            for (b = a + 1; b < run.End && same(entries[b], entries[a]); ++b) {}
            if (b - a < 2) continue;
            if (entries[a].Left > kKeyBytes)
                runs.push_back({a, b, run.Offset + kKeyBytes, run.Ties});  // the texts go on: the next sixteen bytes
            else if (!run.Ties && ties)
                runs.push_back({a, b, 0, true});  // equal texts: their ties
        }
    }
    spare = {};  // its room is the order's
    std::vector<uint32_t> order;
    order.reserve(entries.size());
    for (const Entry& e : entries) order.push_back(e.Index);
    return order;
}

}  // namespace vantor
