// The equipment paste matcher over the slot lists of the sample items, and the set copied for it.
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
    // The set copied back out: picks taken from the first bytes, the text pasted back where it can.
    std::array<int, kSlotCount> picks{};
    for (size_t s = 0; s < picks.size() && s < size; ++s) picks[s] = data[s] % lists[s].size();
    for (const Slot s : SlotsNotPastedBack(lists, picks))
        fuzz::Require(s >= 0 && s < kSlotCount, "a slot that does not paste back is a slot");
    return 0;
}
