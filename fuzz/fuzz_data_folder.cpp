// A whole data folder: the input split at "@@@@" into spells.txt, spellsVtab0.txt and Items.txt
// (the rest of the input goes to the last file), written to a scratch folder and loaded on two
// threads and on one.
#include "FuzzUtil.h"
#include "data/Errors.h"
#include "lists/ItemDump.h"
#include "lists/ItemText.h"
#include "lists/SpellNotes.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string dir = [] {
        const auto d = std::filesystem::temp_directory_path() / ("vantor-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d.string();
    }();
    std::string_view rest = fuzz::View(data, size);
    for (const char* name : {"spells.txt", "spellsVtab0.txt", "Items.txt"}) {
        const size_t end = std::string_view(name) == "Items.txt" ? std::string_view::npos : rest.find("@@@@");
        std::ofstream(dir + "/" + name, std::ios::binary | std::ios::trunc) << rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 4);
    }
    // One thread and two load the same records, texts and error.
    SpellList spells, spellsOneThread;
    ItemList items, itemsOneThread;
    std::string error, errorOneThread;
    for (const int threads : {2, 1}) {
        try {
            LoadRecords(dir, threads == 2 ? spells : spellsOneThread, threads == 2 ? items : itemsOneThread, nullptr,
                        threads);
        } catch (const EConvertError& e) {
            (threads == 2 ? error : errorOneThread) = std::string(e.what()) + e.File + std::to_string(e.Line);
        }
    }
    fuzz::Require(error == errorOneThread, "the same error on one thread and two");
    fuzz::Require(items.size() == itemsOneThread.size() && spells.size() == spellsOneThread.size(),
                  "as many records on one thread as on two");
    for (size_t i = 0; i < items.size(); ++i)
        fuzz::Require(ItemDumpLine(items[i], '.') == ItemDumpLine(itemsOneThread[i], '.'), "the same items");
    for (size_t i = 0; i < spells.size(); ++i)
        fuzz::Require(spells[i].Notes == spellsOneThread[i].Notes && spells[i].Basics == spellsOneThread[i].Basics,
                      "the same spell texts");
    for (const TSpell& spell : spells)
        fuzz::Require(spell.Notes.size() <= kMaxTextBytes && spell.Basics.size() <= kMaxTextBytes,
                      "spell texts within the bound");
    for (const TItem& item : items) fuzz::Require(item.Special.size() <= kMaxTextBytes, "item text within the bound");
    return 0;
}
