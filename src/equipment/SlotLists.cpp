#include "equipment/SlotLists.h"

#include "data/Text.h"
#include "filters/FoldedTexts.h"

#include <algorithm>

namespace vantor {

const std::array<SlotInfo, kSlotCount>& SlotTable()
{
    static const std::array<SlotInfo, kSlotCount> table = {{
        {"cbxHead", "Head"},
        {"cbxNeck", "Neck"},
        {"cbxBack", "Back"},
        {"cbxEars", "Ears"},
        {"cbxTorso", "Torso"},
        {"cbxArms", "Arms"},
        {"cbxGloves", "Gloves"},
        {"cbxFinger1", "Finger1"},
        {"cbxFinger2", "Finger2"},
        {"cbxWrist", "Wrist"},
        {"cbxWaist", "Waist"},
        {"cbxLegs", "Legs"},
        {"cbxFeet", "Feet"},
        {"cbxOffhand", "Off-Hand"},
        {"cbxWeapon", "Weapon"},
        {"cbxWorn", "Worn"},
    }};
    return table;
}

bool SlotReceives(Slot slot, const TItem& item)
{
    if (slot == Weapon) return item.ItemType == 1;
    if (item.ItemType != 0) return false;
    // The body part each armour slot takes (the game's worn-location codes).
    static constexpr int32_t kWornCode[kSlotCount] = {2, 8, 7, 15, 11, 6, 3, 4, 4, 14, 10, 9, 5, 12, -1, 16};
    if (slot == Finger1 || slot == Finger2) return item.WornSlot == 4 || item.WornSlot == 13;
    return item.WornSlot == kWornCode[slot];
}

// The first eight bytes of a name, letters a..z folded to upper case, the first byte highest; a
// shorter name is padded with zero bytes. Keys that differ order names as CompareText does.
void SlotList::AddNone() { entries_.assign(1, nullptr); }

void SlotList::AddFormated(const TItem& item) { entries_.push_back(&item); }

const TItem* SlotList::Record(int i) const { return i >= 0 && i < size() ? entries_[static_cast<size_t>(i)] : nullptr; }

std::string_view SlotList::Text(int i) const
{
    if (i == 0) return "*None*";
    const TItem* item = Record(i);
    return item ? std::string_view(item->Name) : std::string_view();
}

int SlotList::EntryOf(const TItem* item) const
{
    if (!item) return 0;
    const auto at = std::find(entries_.begin() + 1, entries_.end(), item);
    return at == entries_.end() ? -1 : static_cast<int>(at - entries_.begin());
}

int SlotList::FindText(std::string_view name) const
{
    for (int i = 0; i < size(); ++i)
        if (CompareText(Text(i), name) == 0) return i;
    return -1;
}

std::vector<uint32_t> ItemsByName(const ItemList& items, const std::function<bool(const TItem&)>& keep)
{
    FoldedTexts names(items.size(), items.size() * 24);
    std::vector<uint32_t> kept;
    kept.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        if (!keep || keep(items[i])) {
            names.Add(items[i].Name);
            kept.push_back(static_cast<uint32_t>(i));
        }
    std::vector<uint32_t> order = names.Order(false);
    for (uint32_t& at : order) at = kept[at];
    return order;
}

void FillSlotLists(const ItemList& items, const std::function<bool(const TItem&)>& usable, SlotLists& lists,
                   SlotList* swing)
{
    const auto wearable = [&usable](const TItem& item) {
        return (item.ItemType == 0 || item.ItemType == 1) && (!usable || usable(item));
    };
    FillSlotListsInOrder(items, ItemsByName(items, wearable), lists, swing);
}

void FillSlotListsInOrder(const ItemList& items, const std::vector<uint32_t>& order, SlotLists& lists, SlotList* swing)
{
    for (SlotList& list : lists) list.AddNone();
    if (swing) swing->AddNone();
    for (const uint32_t at : order) {
        const TItem& item = items[at];
        for (int s = 0; s < kSlotCount; ++s)
            if (SlotReceives(static_cast<Slot>(s), item)) lists[static_cast<size_t>(s)].AddFormated(item);
        if (swing && SlotReceives(Weapon, item)) swing->AddFormated(item);
    }
}

void NarrowSlotLists(const SlotLists& all, const std::function<bool(const TItem&)>& usable, SlotLists& lists,
                     SlotList* swing)
{
    for (size_t s = 0; s < kSlotCount; ++s) {
        if (!usable) {
            lists[s] = all[s];
            continue;
        }
        lists[s].AddNone();
        for (int i = 1; i < all[s].size(); ++i)
            if (const TItem* item = all[s].Record(i); usable(*item)) lists[s].AddFormated(*item);
    }
    if (swing) *swing = lists[Weapon];
}

}  // namespace vantor
