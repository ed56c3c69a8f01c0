#pragma once
// The ability summary of an item (its Special text).

#include "data/Item.h"
#include "lists/SpellNotes.h"

namespace vantor {

// Builds item.Special from its abilities, class restrictions and negated spells; "None" when
// there is nothing to say.
void DescribeItem(TItem& item, SpellDescriber& spells);

}  // namespace vantor
