#pragma once
// Finding a row by part of its name.

#include "lists/ListRows.h"

#include <string_view>
#include <vector>

namespace vantor {

// The first row from index from on whose caption contains text, both with the ASCII letters
// folded to upper case; -1 when there is none. An empty text is found nowhere.
int FindRow(const std::vector<ListRow>& rows, std::string_view text, int from);

}  // namespace vantor
