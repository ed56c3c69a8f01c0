#include "lists/LoadRecords.h"

#include "data/ItemFile.h"
#include "data/SpellFile.h"
#include "data/Text.h"
#include "lists/ItemText.h"
#include "lists/SpellNotes.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <future>
#include <stdexcept>
#include <utility>
#include <vector>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace vantor {
namespace {

// The "(Name summary)" text of every spell number an item may quote, kept in one string.
// Building one changes what the describer keeps, so they are all built here, before the items'
// texts are built on two threads that share only these finished texts.
class SpellEffects {
public:
    SpellEffects(SpellDescriber& describer, const SpellList& spells)
    {
        for (const TSpell& spell : spells) {
            if (spells.Find(spell.Number) != &spell) continue;  // a number an earlier spell has
            const size_t begin = text_.size();
            text_ += describer.GetSpellEffect(spell.Number);
            if (text_.size() > UINT32_MAX) throw std::length_error("The spells' texts are too long to keep.");
            at_.push_back({spell.Number, static_cast<uint32_t>(begin), static_cast<uint32_t>(text_.size() - begin)});
        }
        std::sort(at_.begin(), at_.end(), [](const At& a, const At& b) { return a.Number < b.Number; });
    }
    // The effect of spell n, or n itself when no spell has that number.
    void Append(std::string& out, int32_t n) const
    {
        const auto at =
            std::lower_bound(at_.begin(), at_.end(), n, [](const At& a, int32_t x) { return a.Number < x; });
        if (at != at_.end() && at->Number == n)
            out.append(text_, at->Begin, at->Size);
        else
            AppendInt(out, n);
    }

private:
    struct At {
        int32_t Number;
        uint32_t Begin, Size;
    };
    std::string text_;
    std::vector<At> at_;  // by number
};

// Every spell's texts, then the effects items quote; the describer's caches go before the items
// are described.
SpellEffects DescribeSpells(SpellList& spells)
{
    SpellDescriber describer(spells);
    describer.DoSpellNotes();
    return SpellEffects(describer, spells);
}

// Builds every item's text, half of them on a second thread.
void DescribeItems(ItemList& items, const SpellDescriber& describer, const SpellEffects& effects, const Pump& pump)
{
    const SpellEffect effect = [&effects](std::string& out, int32_t n) { effects.Append(out, n); };
    const auto describe = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) DescribeItem(items[i], describer, effect);
    };
    const size_t half = items.size() / 2;
    auto second = std::async(std::launch::async, describe, half, items.size());
    describe(0, half);
    WaitFor(second, pump);
    second.get();
}

}  // namespace

void LoadRecords(const std::string& dataDir, SpellList& spells, ItemList& items, const Pump& pump, int threads)
{
    if (threads < 2) {
        ReadSpellData(dataDir, spells, pump);
        SpellDescriber describer(spells);
        describer.DoSpellNotes();
        ReadItemData(
            dataDir, items, [&](TItem& item) { DescribeItem(item, describer); }, pump);
        return;
    }
    // The item file is read and parsed on a second thread while the spells and their texts, and
    // the spell effects items quote, are built here; then this thread takes the pieces still left. A bad spell line
    // ends the load before any item is kept (the future waits for the item thread; its items are dropped).
    ItemFileReader reader;
    std::promise<void> opened;
    auto parsing = std::async(std::launch::async, [&] {
        try {
            reader.Open(dataDir);
        } catch (...) {
            opened.set_exception(std::current_exception());
            return;
        }
        opened.set_value();
        reader.ParsePieces(nullptr);
    });
    ReadSpellData(dataDir, spells, pump);
    const SpellEffects effects = DescribeSpells(spells);
    auto open = opened.get_future();
    WaitFor(open, pump);
    open.get();
    reader.ParsePieces(pump);
    WaitFor(parsing, pump);
    parsing.get();
    ItemList read;
    std::exception_ptr badLine;
    try {
        reader.Finish(read);
    } catch (...) {
        badLine = std::current_exception();
    }
    DescribeItems(read, SpellDescriber(spells), effects, pump);
    items.splice_back(std::move(read));
    if (badLine) std::rethrow_exception(badLine);
}

void KeepFreedMemory()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 64 << 20);   // the blocks of records come from the heap, so they are kept
    mallopt(M_TRIM_THRESHOLD, 512 << 20);  // and the heap is not trimmed after each load
#endif
}

}  // namespace vantor
