#pragma once
// The lenient reader for numbers the user types.

#include <cstdint>
#include <string_view>

namespace vantor {

// Keeps only the digits and minus signs of text behind a leading "0" and converts that strictly:
// "6x5" gives 65, "" gives 0, and any minus sign fails with the buffer text ("'03-' is not a valid
// integer value"), as does a value outside the signed 32-bit range.
int32_t GetNumber(std::string_view text);

}  // namespace vantor
