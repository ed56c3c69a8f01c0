#pragma once
// Records and lists made by hand for the equipment tests.

#include "equipment/SlotLists.h"

#include <string>
#include <vector>

namespace testitems {

inline vantor::TItem Armour(const std::string& name, int32_t worn, int32_t number = 0)
{
    vantor::TItem item;
    item.Name = name;
    item.WornSlot = worn;
    item.Number = number;
    return item;
}

inline vantor::TItem WithType(vantor::TItem item, int32_t type)
{
    item.ItemType = type;
    return item;
}

inline std::vector<std::string> Texts(const vantor::SlotList& list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list.size(); ++i) out.emplace_back(list.Text(i));
    return out;
}

}  // namespace testitems
