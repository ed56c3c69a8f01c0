#include "TestFiles.h"
#include "data/Errors.h"
#include "data/Fields.h"
#include "data/Text.h"
#include "data/TypedNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace vantor;

TEST(GetNumber, KeepsDigitsAndDropsTheRest)
{
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {{"65", 65}, {"6x5", 65}, {" 6 5 ", 65}, {"a1b2c3", 123},
                 {"abc", 0}, {"", 0},     {"007", 7},    {"2147483647", 2147483647},
                 {"1.5", 15}};
    for (const auto& c : cases) EXPECT_EQ(GetNumber(c.text), c.value) << c.text;
}

TEST(GetNumber, RejectsMinusSignsAndOverflowNamingTheBuffer)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {{"3-", "'03-' is not a valid integer value"},
                 {"-5", "'0-5' is not a valid integer value"},
                 {"99999999999", "'099999999999' is not a valid integer value"},
                 {"2147483648", "'02147483648' is not a valid integer value"}};
    for (const auto& c : cases) {
        const auto error = testfiles::ConversionError([&] { GetNumber(c.text); });
        ASSERT_TRUE(error) << c.text << " was accepted";
        EXPECT_STREQ(error->what(), c.message);
    }
}

TEST(StrToInt, AcceptsSignedDecimalsOnly)
{
    int32_t v = 0;
    EXPECT_TRUE(TryStrToInt("-2147483648", v));
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_TRUE(TryStrToInt("+12", v));
    EXPECT_EQ(v, 12);
    EXPECT_TRUE(TryStrToInt("-000000000002147483648", v));
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_TRUE(TryStrToInt("0", v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(TryStrToInt("-0", v));
    EXPECT_EQ(v, 0);
    for (const char* bad : {"", "-", "+", "+-1", "--1", "2147483648", "-2147483649", "9999999999", "12345678901", "1 2",
                            "\"5\"", "0x1F", "$1F", "1e3", "12a", "-+1"})
        EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
}

TEST(LineFields, SplitsAtEveryCommaAndTrims)
{
    const struct {
        std::string line;
        std::vector<std::string> fields;
    } cases[] = {
        {" 12 , Long Sword,\t7\t,", {"12", "Long Sword", "7", ""}},
        {"last", {"last"}},
        {"", {""}},
        {",,", {"", "", ""}},
        {"\"a,b\",c", {"\"a", "b\"", "c"}},  // no quoting
    };
    for (const auto& c : cases) {
        const LineFields fields(c.line);
        ASSERT_EQ(fields.size(), c.fields.size()) << c.line;
        for (size_t i = 0; i < c.fields.size(); ++i) EXPECT_EQ(fields[i], c.fields[i]) << c.line << " field " << i;
        EXPECT_EQ(fields[c.fields.size()], "");  // past the last field
        EXPECT_EQ(fields[1000], "");
    }
    // Past the fields it tells apart, the last one holds the rest of the line.
    std::string many;
    for (size_t i = 0; i < LineFields::kMaxFields + 5; ++i) many += std::to_string(i) + ",";
    const LineFields fields(many);
    ASSERT_EQ(fields.size(), LineFields::kMaxFields);
    EXPECT_EQ(fields[LineFields::kMaxFields - 2], std::to_string(LineFields::kMaxFields - 2));
    EXPECT_EQ(fields[LineFields::kMaxFields - 1].substr(0, 4), std::to_string(LineFields::kMaxFields - 1) + ",");
}

TEST(Formats, RealsAndRatios)
{
    EXPECT_EQ(FormatReal(1.5, '.'), "1.5");
    EXPECT_EQ(FormatReal(2.0, '.'), "2");
    EXPECT_EQ(FormatReal(0.0, '.'), "0");
    EXPECT_EQ(FormatReal(-0.0, '.'), "0");
    EXPECT_EQ(FormatReal(0.1, '.'), "0.1");
    EXPECT_EQ(FormatReal(-214748364.8, '.'), "-214748364.8");
    EXPECT_EQ(FormatReal(2.5, ','), "2,5");
    EXPECT_EQ(FormatRatio(2.5, '.'), "      2.50");
    EXPECT_EQ(FormatRatio(9999, '.'), "   9999.00");
    EXPECT_EQ(FormatRatio(-5, '.'), "     -5.00");
    EXPECT_EQ(FormatRatio(4, ','), "      4,00");
}

TEST(Formats, QuickPathsWriteWhatPrintfWrites)
{
    // Tenths, halves and eighths (exact ties for two places), neighbours of each, huge, tiny and
    // odd values, and random ones of every size.
    std::vector<double> values = {-0.05,      0.005,
                                  0.015,      0.125,
                                  0.375,      2.675,
                                  1e15,       -1e15,
                                  1e14 + 0.5, 99999999999999.9,
                                  5e-324,     1e300,
                                  -1e-5,      123456789012345.6,
                                  0.1 + 0.2,  1.0 / 3};
    std::mt19937_64 random(42);
    for (int i = 0; i < 5000; ++i) {
        const auto whole = static_cast<long long>(random() % 20000000000ull) - 10000000000ll;
        for (const double v : {whole / 10.0, whole / 8.0, whole / 1000.0})
            values.insert(values.end(), {v, std::nextafter(v, 1e300), std::nextafter(v, -1e300)});
        double bits;
        const uint64_t raw = random();
        std::memcpy(&bits, &raw, sizeof bits);
        if (std::isfinite(bits)) values.push_back(bits);
    }
    for (const double v : values) {
        char real[64], ratio[400];
        std::snprintf(real, sizeof real, "%.15g", v == 0 ? 0.0 : v);
        std::snprintf(ratio, sizeof ratio, "%10.2f", v);
        ASSERT_EQ(FormatReal(v, '.'), real) << v;
        ASSERT_EQ(FormatRatio(v, '.'), ratio) << v;
    }
}
