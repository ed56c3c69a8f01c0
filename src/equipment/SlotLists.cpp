#include "equipment/SlotLists.h"

#include "data/Text.h"

#include <algorithm>

namespace vantor {

const std::array<SlotInfo, kSlotCount>& SlotTable()
{
    static const std::array<SlotInfo, kSlotCount> table = {{
        {"cbxHead", "Head"},       {"cbxNeck", "Neck"},       {"cbxBack", "Back"},   {"cbxEars", "Ears"},
        {"cbxTorso", "Torso"},     {"cbxArms", "Arms"},       {"cbxGloves", "Gloves"},
        {"cbxFinger1", "Finger1"}, {"cbxFinger2", "Finger2"}, {"cbxWrist", "Wrist"}, {"cbxWaist", "Waist"},
        {"cbxLegs", "Legs"},       {"cbxFeet", "Feet"},       {"cbxOffhand", "Off-Hand"},
        {"cbxWeapon", "Weapon"},   {"cbxWorn", "Worn"},
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

void SlotList::AddNone()
{
    entries_.assign(1, nullptr);
}

void SlotList::AddFormated(const TItem& item)
{
    entries_.push_back(&item);
}

void SlotList::SortByName()
{
    std::stable_sort(entries_.begin() + 1, entries_.end(),
                     [](const TItem* a, const TItem* b) { return CompareText(a->Name, b->Name) < 0; });
}

const TItem* SlotList::Record(int i) const
{
    return i >= 0 && i < size() ? entries_[static_cast<size_t>(i)] : nullptr;
}

std::string_view SlotList::Text(int i) const
{
    if (i == 0) return "*None*";
    const TItem* item = Record(i);
    return item ? std::string_view(item->Name) : std::string_view();
}

int SlotList::FindText(std::string_view name) const
{
    for (int i = 0; i < size(); ++i)
        if (CompareText(Text(i), name) == 0) return i;
    return -1;
}

void FillSlotLists(const ItemList& items, const std::function<bool(const TItem&)>& usable, SlotLists& lists,
                   SlotList* swing)
{
    for (SlotList& list : lists) list.AddNone();
    if (swing) swing->AddNone();
    for (const TItem& item : items) {
        if ((item.ItemType != 0 && item.ItemType != 1) || (usable && !usable(item))) continue;
        for (int s = 0; s < kSlotCount; ++s)
            if (SlotReceives(static_cast<Slot>(s), item)) lists[static_cast<size_t>(s)].AddFormated(item);
        if (swing && SlotReceives(Weapon, item)) swing->AddFormated(item);
    }
    for (SlotList& list : lists) list.SortByName();
    if (swing) swing->SortByName();
}

}  // namespace vantor
