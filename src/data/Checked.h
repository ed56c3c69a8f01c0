#pragma once
// Signed 32-bit arithmetic that never wraps: a result outside the range raises EIntOverflow,
// a division by zero raises EDivByZero. Division truncates toward zero.

#include "data/Errors.h"

#include <cstdint>

namespace vantor {

inline int32_t CheckedAdd(int32_t a, int32_t b)
{
    int32_t r;
    if (__builtin_add_overflow(a, b, &r)) throw EIntOverflow();
    return r;
}

inline int32_t CheckedSub(int32_t a, int32_t b)
{
    int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) throw EIntOverflow();
    return r;
}

inline int32_t CheckedMul(int32_t a, int32_t b)
{
    int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw EIntOverflow();
    return r;
}

inline int32_t CheckedDiv(int32_t a, int32_t b)
{
    if (b == 0) throw EDivByZero();
    if (a == INT32_MIN && b == -1) throw EIntOverflow();
    return a / b;
}

}  // namespace vantor
