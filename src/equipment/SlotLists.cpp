#include "equipment/SlotLists.h"

#include "data/Text.h"

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
static uint64_t NameKey(std::string_view name)
{
    uint64_t key = 0;
    for (size_t i = 0; i < 8; ++i) {
        unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
        if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
        key = key << 8 | c;
    }
    return key;
}

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

void FillSlotLists(const ItemList& items, const std::function<bool(const TItem&)>& usable, SlotLists& lists,
                   SlotList* swing)
{
    // Each list is sorted on its own (small sorts stay in the cache), by the first eight folded
    // bytes of the names as one number, which decides most comparisons without reaching into the
    // records; equal keys fall back to the whole names, and equal names keep file order.
    struct Candidate {
        uint64_t Key;
        const TItem* Item;
    };
    std::array<std::vector<Candidate>, kSlotCount + 1> sorted;  // the last one is the swing list
    for (const TItem& item : items) {
        if ((item.ItemType != 0 && item.ItemType != 1) || (usable && !usable(item))) continue;
        const Candidate c{NameKey(item.Name), &item};
        for (int s = 0; s < kSlotCount; ++s)
            if (SlotReceives(static_cast<Slot>(s), item)) sorted[static_cast<size_t>(s)].push_back(c);
        if (swing && SlotReceives(Weapon, item)) sorted[kSlotCount].push_back(c);
    }
    for (size_t s = 0; s <= kSlotCount; ++s) {
        SlotList* list = s < kSlotCount ? &lists[s] : swing;
        if (!list) continue;
        std::stable_sort(sorted[s].begin(), sorted[s].end(), [](const Candidate& a, const Candidate& b) {
            return a.Key != b.Key ? a.Key < b.Key : CompareText(a.Item->Name, b.Item->Name) < 0;
        });
        list->AddNone();
        for (const Candidate& c : sorted[s]) list->AddFormated(*c.Item);
    }
}

}  // namespace vantor
