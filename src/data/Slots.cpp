#include "data/Slots.h"

#include <algorithm>

namespace vantor {

Slots& Slots::operator=(std::initializer_list<int32_t> values)
{
    Values v{};
    std::copy_n(values.begin(), std::min(values.size(), v.size()), v.begin());
    Assign(v);
    return *this;
}

Slots::Values Slots::All() const
{
    Values v;
    for (size_t i = 0; i < v.size(); ++i) v[i] = (*this)[i];
    return v;
}

void Slots::Set(size_t i, int32_t value)
{
    if (IsWide()) {
        Wide()[i] = value;
    } else if (FitsNarrow(value)) {
        narrow_[i] = static_cast<int16_t>(value);
    } else {
        Values v = All();
        v[i] = value;
        Assign(v);
    }
}

void Slots::Assign(const Values& values)
{
    if (IsWide()) {  // stays wide: the room is there
        std::copy(values.begin(), values.end(), Wide());
        return;
    }
    if (std::all_of(values.begin(), values.end(), FitsNarrow)) {
        for (size_t i = 0; i < values.size(); ++i) narrow_[i] = static_cast<int16_t>(values[i]);
        return;
    }
    int32_t* wide = new int32_t[kSlots];
    std::copy(values.begin(), values.end(), wide);
    narrow_[0] = kWideMark;
    std::memcpy(narrow_ + 4, &wide, sizeof wide);
}

void Slots::Release()
{
    if (IsWide()) delete[] Wide();
    std::memset(narrow_, 0, sizeof narrow_);
}

}  // namespace vantor
