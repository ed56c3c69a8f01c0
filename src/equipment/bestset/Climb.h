#pragma once
// The local climb of the best-set search: better sets one or two choices away, taken while there
// are; and the best set one choice away from a set.

#include "equipment/bestset/SearchSpace.h"

#include <optional>
#include <utility>
#include <vector>

namespace vantor::bestset {

// Better sets one unit's choice away, taken while there are: a set to start the search from
// (its score bounds the answer from below). Also the best set one choice away from the
// answer found, which bounds the runner-up: other is set to it.
SetScore Climb(const SearchSpace& space, std::vector<Choice>& set,
               std::optional<std::pair<SetScore, std::vector<Choice>>>* other = nullptr);

}  // namespace vantor::bestset
