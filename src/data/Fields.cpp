#include "data/Fields.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace vantor {

#ifdef __SSE2__
namespace {

// Set bits of every byte value (the baseline x86-64 has no popcount instruction).
constexpr std::array<uint8_t, 256> kBitCounts = [] {
    std::array<uint8_t, 256> counts{};
    for (unsigned i = 0; i < 256; ++i) counts[i] = static_cast<uint8_t>((i & 1) + counts[i / 2]);
    return counts;
}();

}  // namespace
#endif

LineFields::LineFields(std::string_view line) : line_(line)
{
    const char* p = line.data();
    const size_t size = line.size();
    size_t n = 0, i = 0;
#ifdef __SSE2__
    // Sixteen bytes at a time: a mask of their commas, and the first eight (or sixteen) comma
    // positions written out whether or not there are that many; the count moves on by the real
    // number. The high bits keep the mask from running out, so the writes need no branch.
    const __m128i comma = _mm_set1_epi8(',');
    for (; i + 16 <= size && n + 17 < kMaxFields; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        uint32_t mask = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, comma)));
        const int count = kBitCounts[mask & 0xFF] + kBitCounts[mask >> 8];
        mask |= 0xFFFF0000u;
        size_t* out = ends_.data() + n;
        for (int k = 0; k < 8; ++k, mask &= mask - 1) out[k] = i + static_cast<size_t>(__builtin_ctz(mask));
        if (count > 8)
            for (int k = 8; k < 16; ++k, mask &= mask - 1) out[k] = i + static_cast<size_t>(__builtin_ctz(mask));
        n += static_cast<size_t>(count);
    }
#endif
    // Byte by byte: each byte is taken as the end of its field, and a comma moves on to the next.
    for (; i < size && n < kMaxFields - 1; ++i) {
        ends_[n] = i;
        n += p[i] == ',';
    }
    ends_[n] = size;
    count_ = n + 1;
}

}  // namespace vantor
