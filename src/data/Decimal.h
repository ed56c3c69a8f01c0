#pragma once
// Exact decimals as players type them (weights, caps, bounds): read into a whole number of the
// smallest unit (hundredths for two places) and written back without binary floating point.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// A sign, digits and at most `places` decimals after "." or sep, blanks around it allowed: the
// value in units of 10^-places ("1.5" with 2 places is 150). Nothing for any other text, for no
// digits at all, and for a value whose magnitude passes limit units (limit: up to 9 * 10^17).
std::optional<int64_t> ReadDecimal(std::string_view text, char sep, int places, int64_t limit);

// value / 10^places, exact, without trailing zeros and with sep as the separator: "12.5", "-0.25",
// "3". places may be 0..18.
std::string DecimalText(__int128 value, int places, char sep = '.');

}  // namespace vantor
