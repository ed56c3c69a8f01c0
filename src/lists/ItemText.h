#pragma once
// The ability summary of an item (its Special text).

#include "data/Item.h"
#include "lists/SpellNotes.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vantor {

// Appends the "(Name summary)" text an item quotes for the spell it casts.
using SpellEffect = std::function<void(std::string&, int32_t)>;

// Builds item.Special from its abilities, class restrictions and negated spells; "None" when
// there is nothing to say. Names spells through spells and quotes their effects through effect.
void DescribeItem(TItem& item, const SpellDescriber& spells, const SpellEffect& effect);

// The same, quoting each effect as spells builds it.
void DescribeItem(TItem& item, SpellDescriber& spells);

}  // namespace vantor
