#include "data/Text.h"

#include "data/Errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace vantor {

std::string_view TrimSpaces(std::string_view s)
{
    size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    return s.substr(b, e - b);
}

bool TryStrToInt(std::string_view s, int32_t& out)
{
    if (s.size() == 1 && s[0] >= '0' && s[0] <= '9') {  // most fields of an export are one digit
        out = s[0] - '0';
        return true;
    }
    while (!s.empty() && (s[0] == ' ' || s[0] == '\t')) s.remove_prefix(1);  // leading blanks
    size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) i = 1;
    if (i == s.size()) return false;
    while (i + 1 < s.size() && s[i] == '0') ++i;  // leading zeros
    if (s.size() - i > 10) return false;          // more digits than any 32-bit value has
    uint64_t v = 0;                               // ten digits cannot overflow this
    for (; i < s.size(); ++i) {
        const unsigned d = static_cast<unsigned char>(s[i]) - '0';
        if (d > 9) return false;
        v = v * 10 + d;
    }
    if (v > (negative ? 2147483648ull : 2147483647ull)) return false;
    out = negative ? static_cast<int32_t>(-static_cast<int64_t>(v)) : static_cast<int32_t>(v);
    return true;
}

void ThrowNotAnInteger(std::string_view s) { throw EConvertError::ForText(std::string(s)); }

std::string Format(const char* fmt, ...)
{
    char small[256];
    va_list ap;
    va_start(ap, fmt);
    va_list copy;
    va_copy(copy, ap);
    const int n = std::vsnprintf(small, sizeof small, fmt, ap);
    va_end(ap);
    std::string out;
    if (n < 0) {
        va_end(copy);
        return out;
    }
    if (static_cast<size_t>(n) < sizeof small) {
        out.assign(small, static_cast<size_t>(n));
    } else {
        std::vector<char> big(static_cast<size_t>(n) + 1);
        std::vsnprintf(big.data(), big.size(), fmt, copy);
        out.assign(big.data(), static_cast<size_t>(n));
    }
    va_end(copy);
    return out;
}

void AppendInt(std::string& out, long long v)
{
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, v).ptr);
}

std::string IntToStr(long long v)
{
    std::string text;
    AppendInt(text, v);
    return text;
}

// Appends text with decimalSep in place of the decimal point that printf wrote, whatever the C
// locale's is.
static void AppendWithSeparator(std::string& out, std::string_view text, char decimalSep)
{
    const size_t at = out.size();
    out += text;
    for (size_t i = at; i < out.size(); ++i)
        if (out[i] == '.' || out[i] == ',') out[i] = decimalSep;
}

void AppendReal(std::string& out, double v, char decimalSep)
{
    // The values shown are mostly tenths of whole numbers: when v is the double nearest to t / 10
    // for a whole t of at most 15 digits, "%.15g" writes exactly the decimal t / 10.
    const double tenths = std::nearbyint(v * 10);
    if (std::fabs(tenths) < 1e15 && tenths / 10 == v) {
        const long long t = static_cast<long long>(tenths);
        if (t < 0 && t > -10) out += '-';  // -0.5: the whole part alone would lose the sign
        AppendInt(out, t / 10);
        if (t % 10 != 0) {
            out += decimalSep;
            out += static_cast<char>('0' + (t < 0 ? -(t % 10) : t % 10));
        }
        return;
    }
    AppendWithSeparator(out, Format("%.15g", v), decimalSep);
}

std::string FormatReal(double v, char decimalSep)
{
    std::string text;
    AppendReal(text, v, decimalSep);
    return text;
}

void AppendFixed(std::string& out, double v, int places, char decimalSep)
{
    // std::to_chars rounds exactly as printf does; it is only much quicker.
    char buffer[32];
    if (std::fabs(v) < 1e15 && places >= 0 && places <= 6) {
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, places).ptr;
        AppendWithSeparator(out, std::string_view(buffer, static_cast<size_t>(end - buffer)), decimalSep);
        return;
    }
    AppendWithSeparator(out, Format("%.*f", places, v), decimalSep);
}

void AppendRatio(std::string& out, double v, char decimalSep)
{
    const size_t at = out.size();
    AppendFixed(out, v, 2, decimalSep);
    const size_t n = out.size() - at;
    if (n < 10) out.insert(at, 10 - n, ' ');
}

std::string FormatRatio(double v, char decimalSep)
{
    std::string text;
    AppendRatio(text, v, decimalSep);
    return text;
}

bool ReplaceFirst(std::string& s, std::string_view what, std::string_view with)
{
    const size_t p = s.find(what);
    if (p == std::string::npos) return false;
    s.replace(p, what.size(), with);
    return true;
}

void CapText(std::string& s, size_t limit)
{
    static constexpr std::string_view kMore = " ...";
    if (s.size() <= limit || limit < kMore.size()) return;
    size_t cut = s.rfind(' ', limit - kMore.size());
    if (cut == std::string::npos || cut == 0) cut = limit - kMore.size();  // one long word
    s.resize(cut);
    s += kMore;
    s.shrink_to_fit();
}

std::string AsciiUpper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

static int Fold(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

int CompareText(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int d = Fold(static_cast<unsigned char>(a[i])) - Fold(static_cast<unsigned char>(b[i]));
        if (d != 0) return d;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace vantor
