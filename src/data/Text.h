#pragma once
// Small text helpers shared by the readers and the description builders.
// Texts are byte strings as read from the 8-bit data files.

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// Removes leading and trailing blanks and control characters (every byte <= ' ').
inline std::string_view Trim(std::string_view s)
{
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

// Removes leading and trailing spaces only.
std::string_view TrimSpaces(std::string_view s);

// The test of StrToInt without throwing.
bool TryStrToInt(std::string_view s, int32_t& out);

[[noreturn]] void ThrowNotAnInteger(std::string_view s);

// Strict conversion of a whole field to a signed 32-bit integer: optional leading blanks, optional
// sign, decimal digits, nothing else. Throws EConvertError naming the text.
inline int32_t StrToInt(std::string_view s)
{
    if (s.size() == 1 && static_cast<unsigned>(s[0] - '0') <= 9) return s[0] - '0';  // most fields
    int32_t v = 0;
    if (!TryStrToInt(s, v)) ThrowNotAnInteger(s);
    return v;
}

// printf-style formatting into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Decimal text of an integer.
std::string IntToStr(long long v);
void AppendInt(std::string& out, long long v);

// Shortest form with up to 15 significant digits and no trailing zeros; decimalSep replaces '.'.
std::string FormatReal(double v, char decimalSep);
void AppendReal(std::string& out, double v, char decimalSep);

// v with `places` decimals ("%.*f"), decimalSep in place of '.'.
void AppendFixed(std::string& out, double v, int places, char decimalSep);

// "%10.2f" with decimalSep in place of '.'.
std::string FormatRatio(double v, char decimalSep);
void AppendRatio(std::string& out, double v, char decimalSep);

// Cuts a text longer than limit bytes at the last blank that leaves room for " ..." and appends
// " ..."; a shorter text stays as it is.
void CapText(std::string& s, size_t limit);

// Replaces the first occurrence of what in s by with; returns whether it did.
bool ReplaceFirst(std::string& s, std::string_view what, std::string_view with);

// Byte-wise comparison with only the ASCII letters a..z folded to upper case: the first differing
// byte decides (the difference of the folded bytes); else the shorter text comes first.
int CompareText(std::string_view a, std::string_view b);

// Upper-cases the ASCII letters a..z only; every other byte stays as it is.
std::string AsciiUpper(std::string_view s);

}  // namespace vantor
