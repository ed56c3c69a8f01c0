// Lines of the spell export, one per input line so that spells can quote each other, described.
#include "FuzzUtil.h"
#include "data/Errors.h"
#include "data/SpellFile.h"
#include "lists/ListRows.h"
#include "lists/SpellNotes.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SpellList spells;
    std::string_view rest = fuzz::View(data, size);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        try {
            Read1Spell(rest.substr(0, end), spells);
        } catch (const EConvertError&) {}
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    SpellDescriber describer(spells);
    describer.DoSpellNotes();
    for (const TSpell& spell : spells) {
        fuzz::Require(spell.Notes.size() <= kMaxTextBytes && spell.Basics.size() <= kMaxTextBytes,
                      "spell texts within the bound");
        ListRow row;
        MakeSpellRow("S", spell, '.', row);
    }
    return 0;
}
