// A whole data folder: the input split at "@@@@" into spells.txt, spellsVtab0.txt and Items.txt
// (the rest of the input goes to the last file), written to a scratch folder and loaded.
#include "FuzzUtil.h"

#include "data/Errors.h"
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
    SpellList spells;
    ItemList items;
    try {
        LoadRecords(dir, spells, items, nullptr);
    } catch (const EConvertError&) {
    }
    for (const TSpell& spell : spells)
        fuzz::Require(spell.Notes.size() <= kMaxTextBytes && spell.Basics.size() <= kMaxTextBytes,
                      "spell texts within the bound");
    for (const TItem& item : items) fuzz::Require(item.Special.size() <= kMaxTextBytes, "item text within the bound");
    return 0;
}
