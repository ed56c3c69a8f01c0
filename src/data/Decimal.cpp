#include "data/Decimal.h"

#include "data/Text.h"

namespace vantor {

std::optional<int64_t> ReadDecimal(std::string_view text, char sep, int places, int64_t limit)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    // A limit of 9 * 10^17 units at most keeps every step below within 64 bits.
    if (limit < 0 || limit > 900'000'000'000'000'000) return std::nullopt;
    int64_t units = 0;
    int digits = 0, decimals = -1;  // decimals: -1 before the separator
    for (const char c : text) {
        if ((c == '.' || c == sep) && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        if (decimals >= 0 && ++decimals > places) return std::nullopt;
        ++digits;
        units = units * 10 + (c - '0');
        if (units > limit) return std::nullopt;  // more digits only make it larger
    }
    if (digits == 0) return std::nullopt;
    for (int d = decimals < 0 ? 0 : decimals; d < places; ++d) {
        units *= 10;
        if (units > limit) return std::nullopt;
    }
    if (units > limit) return std::nullopt;
    return negative ? -units : units;
}

std::string DecimalText(__int128 value, int places, char sep)
{
    const bool negative = value < 0;
    // The magnitude, also of the most negative value.
    unsigned __int128 v =
        negative ? static_cast<unsigned __int128>(-(value + 1)) + 1 : static_cast<unsigned __int128>(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v != 0);
    if (static_cast<int>(digits.size()) <= places)
        digits.insert(0, static_cast<size_t>(places) + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - static_cast<size_t>(places));
    std::string fraction = digits.substr(digits.size() - static_cast<size_t>(places));
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    std::string out = negative && (whole != "0" || !fraction.empty()) ? "-" : "";
    out += whole;
    if (!fraction.empty()) out.append(1, sep).append(fraction);
    return out;
}

}  // namespace vantor
