// The equipment paste matcher over the slot lists of the sample items.
#include "FuzzUtil.h"

#include "equipment/Paste.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const SlotLists lists = [] {
        SlotLists l;
        FillSlotLists(fuzz::SampleData().Items, {}, l, nullptr);
        return l;
    }();
    const PasteResult result = PasteEquipment(std::string(fuzz::View(data, size)), lists);
    for (size_t s = 0; s < result.Picks.size(); ++s)
        if (result.Picks[s])
            fuzz::Require(*result.Picks[s] >= 0 && *result.Picks[s] < lists[s].size(),
                          "a pick is an entry of its list");
    return 0;
}
