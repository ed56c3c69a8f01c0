#include "lists/LoadRecords.h"

#include "data/ItemFile.h"
#include "data/SpellFile.h"
#include "data/Text.h"
#include "lists/ItemText.h"
#include "lists/SpellNotes.h"

#include <exception>
#include <future>
#include <unordered_map>
#include <utility>
#include <vector>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace vantor {
namespace {

// The "(Name summary)" text of every spell an item may quote. Building one changes what the
// describer keeps, so they are built here, before the items' texts are built on two threads that
// share only these finished texts.
std::unordered_map<int32_t, std::string> SpellEffects(SpellDescriber& describer, const SpellList& spells)
{
    std::unordered_map<int32_t, std::string> effects;
    for (const TSpell& spell : spells) {
        const auto [at, added] = effects.try_emplace(spell.Number);
        if (added) at->second = describer.GetSpellEffect(spell.Number);
    }
    return effects;
}

// Builds every item's text, half of them on a second thread.
void DescribeItems(ItemList& items, const SpellDescriber& describer,
                   const std::unordered_map<int32_t, std::string>& effects, const Pump& pump)
{
    const SpellEffect effect = [&effects](std::string& out, int32_t n) {
        const auto at = effects.find(n);
        if (at != effects.end())
            out += at->second;
        else
            AppendInt(out, n);  // a number no spell has
    };
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
        ReadItemData(dataDir, items, [&](TItem& item) { DescribeItem(item, describer); }, pump);
        return;
    }
    // The item file is read and parsed on a second thread while the spells and their texts, and
    // the spell effects items quote, are built here; then this thread takes the pieces still left. A bad spell line ends the load
    // before any item is kept (the future waits for the item thread; its items are dropped).
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
    SpellDescriber describer(spells);
    describer.DoSpellNotes();
    const auto effects = SpellEffects(describer, spells);
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
    DescribeItems(read, describer, effects, pump);
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
