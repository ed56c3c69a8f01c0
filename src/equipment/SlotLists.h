#pragma once
// The sixteen body slots of the equipment planner and the pick-only lists they choose from.

#include "data/GameData.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The slots in the order the planner shows them, top to bottom.
enum Slot : int {
    Head,
    Neck,
    Back,
    Ears,
    Torso,
    Arms,
    Gloves,
    Finger1,
    Finger2,
    Wrist,
    Waist,
    Legs,
    Feet,
    Offhand,
    Weapon,
    Worn,
    kSlotCount
};

// The order in which the totals add the slots up and a set file lists them.
constexpr Slot kListingOrder[kSlotCount] = {Head,    Neck,  Back,  Torso, Ears, Arms,    Gloves, Finger1,
                                            Finger2, Wrist, Waist, Legs,  Feet, Offhand, Weapon, Worn};

struct SlotInfo {
    const char* Name;     // the list's name ("cbxHead"), also its key in set files
    const char* Caption;  // the label beside it ("Head")
};

const std::array<SlotInfo, kSlotCount>& SlotTable();

// Whether a slot's list offers the item: armour by where it is worn, weapons whatever their slot.
bool SlotReceives(Slot slot, const TItem& item);

// A slot's list: entry 0 is "*None*" (no record), the items follow by name. The entries only
// point at records owned by the loaded item list.
class SlotList {
public:
    SlotList() { AddNone(); }
    // Empties the list to the single entry "*None*".
    void AddNone();
    // Adds an entry for item at the end.
    void AddFormated(const TItem& item);

    int size() const { return static_cast<int>(entries_.size()); }
    // The record of entry i; nullptr for "*None*" or an index outside the list.
    const TItem* Record(int i) const;
    // The text entry i shows.
    std::string_view Text(int i) const;
    // The entry of this record: 0 for nullptr ("*None*"), -1 when the list does not hold it.
    int EntryOf(const TItem* item) const;
    // The first entry whose text equals name without regard to letter case; -1 when none does.
    int FindText(std::string_view name) const;

private:
    std::vector<const TItem*> entries_;
};

using SlotLists = std::array<SlotList, kSlotCount>;

// The positions of the items in the list that keep accepts (every one when it is empty), ordered
// by name, letter case folded, items of the same name in file order: the order of every slot list
// and of the lists sorted by name.
std::vector<uint32_t> ItemsByName(const ItemList& items, const std::function<bool(const TItem&)>& keep = {});

// Refills every slot list from the items that usable accepts (every item when usable is empty),
// each item tested against every slot's rule; both finger lists get the rings. When swing is
// given it is refilled with the weapons too. Each list holds "*None*" and then its items by name,
// letter case folded, items of the same name in file order.
void FillSlotLists(const ItemList& items, const std::function<bool(const TItem&)>& usable, SlotLists& lists,
                   SlotList* swing);
// The same, every item of order (positions by name, as ItemsByName gives them) tested against
// every slot's rule.
void FillSlotListsInOrder(const ItemList& items, const std::vector<uint32_t>& order, SlotLists& lists, SlotList* swing);
// The same from the lists of every item (all, as FillSlotLists fills them without a test), worked
// out once for a load: each list keeps, in its order, the items usable accepts.
void NarrowSlotLists(const SlotLists& all, const std::function<bool(const TItem&)>& usable, SlotLists& lists,
                     SlotList* swing);

}  // namespace vantor
