#include "TestFiles.h"

#include "data/Errors.h"
#include "data/Fields.h"
#include "data/Text.h"
#include "data/TypedNumber.h"

#include <gtest/gtest.h>

using namespace vantor;

TEST(GetNumber, KeepsDigitsAndDropsTheRest)
{
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {{"65", 65},         {"6x5", 65},   {" 6 5 ", 65},    {"a1b2c3", 123}, {"abc", 0},
                 {"", 0},            {"007", 7},    {"2147483647", 2147483647}, {"1.5", 15}};
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
    for (const char* bad : {"", "-", "+", "+-1", "--1", "2147483648", "-2147483649", "9999999999", "12345678901",
                            "1 2", "\"5\"", "0x1F", "$1F", "1e3", "12a", "-+1"})
        EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
}

TEST(GetData, TakesTrimmedFieldsOffTheFront)
{
    std::string rest = " 12 , Long Sword,\t7\t,";
    EXPECT_EQ(GetData(rest), "12");
    EXPECT_EQ(rest, " Long Sword,\t7\t,");
    EXPECT_EQ(GetData(rest), "Long Sword");
    EXPECT_EQ(GetData(rest), "7");
    EXPECT_EQ(GetData(rest), "");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(GetData(rest), "");
    std::string single = "last";
    EXPECT_EQ(GetData(single), "last");
    EXPECT_TRUE(single.empty());
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
