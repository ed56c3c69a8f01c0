#include "equipment/bestset/SearchSpace.h"

namespace vantor::bestset {

SetScore SearchSpace::CappedCeiling(const Capped& totals, const Rest& rest, size_t u) const
{
    SetScore s = 0;
    for (size_t k = 0; k < capped_.size(); ++k) {
        const size_t d = capped_[k];
        const int64_t end = table_.WeightOf(d) > 0 ? totals[k] + rest.Rise[u][k] : totals[k] + rest.Least[u][k];
        s += table_.Part(d, end);
    }
    return s;
}

}  // namespace vantor::bestset
