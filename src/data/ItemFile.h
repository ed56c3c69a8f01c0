#pragma once
// The item export: "Items.txt", or "Itemsnew.txt" when there is no "Items.txt".

#include "data/DataFile.h"
#include "data/GameData.h"

#include <functional>
#include <string_view>

namespace vantor {

// Builds an item's ability summary (Special); the description layer supplies it, since the
// summary names spells.
using ItemDescriber = std::function<void(TItem&)>;

// Parses one line of 59 fields into an item with its derived fields (record fields taken from the
// abilities, worn location 13 stored as 4). Throws EConvertError on a bad number.
TItem ParseItemLine(std::string_view line);

// Parses one line, builds its summary and appends the item unless its name contains "sdf".
void Read1Item(std::string_view line, ItemList& items, const ItemDescriber& describe);

// Reads the item file of dataDir (if any) into items.
void ReadItemData(const std::string& dataDir, ItemList& items, const ItemDescriber& describe,
                  const Pump& pump);

}  // namespace vantor
