// One line of the item export: parsed, described against the sample spells, made into rows.
#include "FuzzUtil.h"
#include "data/Errors.h"
#include "data/ItemFile.h"
#include "lists/ItemText.h"
#include "lists/ListRows.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SpellDescriber describer(fuzz::SampleData().Spells);
    TItem item;
    try {
        item = ParseItemLine(fuzz::View(data, size));
    } catch (const EConvertError&) {
        return 0;
    }
    DescribeItem(item, describer);
    fuzz::Require(item.Special.size() <= kMaxTextBytes, "item text within the bound");
    for (const char* kind : {"A", "W", "O"}) {
        ListRow row;
        MakeItemRow(kind, item, '.', row);
    }
    return 0;
}
