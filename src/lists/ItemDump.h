#pragma once
// One line of the item dump: every number of an item, for checking an export by eye.

#include "data/Item.h"

#include <string>

namespace vantor {

std::string ItemDumpLine(const TItem& item, char decimalSep);

}  // namespace vantor
