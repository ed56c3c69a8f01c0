#include "filters/FoldedTexts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace vantor {
namespace {

struct Entry {
    uint64_t Key;   // eight bytes of the text from where the run is, big end first, zeros past its end
    uint32_t Left;  // bytes of the text from there: 9 for more than eight
    uint32_t Index;
};

// Sorts n entries by Key, then Left, in the direction asked, keeping equal ones in their order:
// a radix sort, a byte at a time from the last, that skips the bytes all of them share. Passes:
// Left, then the key's bytes from its lowest, as many as are left to sort by. Many entries are
// first split by their highest byte, so that the passes over each part stay in the nearer caches.
void RadixSort(Entry* first, size_t n, std::vector<Entry>& scratch, bool desc, int passes = 9)
{
    const auto digit = [desc](const Entry& e, int pass) {
        const unsigned d = pass == 0 ? e.Left : static_cast<unsigned>(e.Key >> (8 * (pass - 1)) & 0xff);
        return desc ? 255 - d : d;
    };
    constexpr size_t kInCache = 4096;
    if (n > kInCache && passes > 1) {
        const int top = passes - 1;
        std::array<size_t, 256> count{};
        for (size_t i = 0; i < n; ++i) ++count[digit(first[i], top)];
        if (std::find(count.begin(), count.end(), n) == count.end()) {
            std::array<size_t, 256> at{};
            for (size_t d = 1; d < 256; ++d) at[d] = at[d - 1] + count[d - 1];
            scratch.resize(n);
            for (size_t i = 0; i < n; ++i) scratch[at[digit(first[i], top)]++] = first[i];
            std::copy(scratch.begin(), scratch.begin() + static_cast<ptrdiff_t>(n), first);
        }
        for (size_t d = 0, at = 0; d < 256; at += count[d++])
            if (count[d] > 1) RadixSort(first + at, count[d], scratch, desc, top);
        return;
    }
    std::array<std::array<size_t, 256>, 9> counts{};
    for (size_t i = 0; i < n; ++i)
        for (int pass = 0; pass < passes; ++pass) ++counts[pass][digit(first[i], pass)];
    scratch.resize(n);
    Entry* from = first;
    Entry* to = scratch.data();
    for (int pass = 0; pass < passes; ++pass) {
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
    // Sorted by eight bytes at a time, held in a number: every text's first eight, then each run
    // of texts that agree so far by the next eight, and so on; runs of equal texts then by their
    // ties the same way. Each sort compares numbers only, and no text is read twice at the same
    // place.
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
            if (left >= 8) {
                std::memcpy(&e.Key, bytes, 8);
                if constexpr (std::endian::native == std::endian::little) e.Key = __builtin_bswap64(e.Key);
            } else {
                e.Key = 0;
                for (uint32_t i = 0; i < 8; ++i)
                    e.Key = e.Key << 8 | (i < left ? static_cast<unsigned char>(bytes[i]) : 0u);
            }
            e.Left = std::min<uint32_t>(left, 9);
        }
        const auto begin = entries.begin() + static_cast<ptrdiff_t>(run.Begin);
        const auto end = entries.begin() + static_cast<ptrdiff_t>(run.End);
        // The entries of a run are in the order added (as the run before left them), so an order
        // that keeps equal ones where they are breaks ties by that order.
        const size_t size = run.End - run.Begin;
        if (size >= 256) {
            RadixSort(&*begin, size, spare, desc);
        } else {
            std::sort(begin, end, [desc](const Entry& x, const Entry& y) {
                if (x.Key != y.Key) return (x.Key < y.Key) != desc;
                if (x.Left != y.Left) return (x.Left < y.Left) != desc;
                return x.Index < y.Index;
            });
        }
        for (size_t a = run.Begin, b; a < run.End; a = b) {
            for (b = a + 1; b < run.End && entries[b].Key == entries[a].Key && entries[b].Left == entries[a].Left;
                 ++b) {}
            if (b - a < 2) continue;
            if (entries[a].Left > 8)
                runs.push_back({a, b, run.Offset + 8, run.Ties});  // the texts go on: the next eight bytes
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
