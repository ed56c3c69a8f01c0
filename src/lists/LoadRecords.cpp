#include "lists/LoadRecords.h"

#include "data/ItemFile.h"
#include "data/SpellFile.h"
#include "lists/ItemText.h"
#include "lists/SpellNotes.h"

namespace vantor {

void LoadRecords(const std::string& dataDir, SpellList& spells, ItemList& items, const Pump& pump)
{
    ReadSpellData(dataDir, spells, pump);
    SpellDescriber describer(spells);
    describer.DoSpellNotes();
    ReadItemData(dataDir, items, [&](TItem& item) { DescribeItem(item, describer); }, pump);
}

}  // namespace vantor
