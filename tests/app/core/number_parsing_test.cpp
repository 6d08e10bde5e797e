#include "number_parsing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>

namespace {

using dosecalc::parseNumber;

constexpr double infinity = std::numeric_limits<double>::infinity();

struct Accepted {
    std::u16string text;
    double value;
};

std::string printable(const std::u16string& text)
{
    std::string out;
    for (const char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F) {
            out += static_cast<char>(unit);
        } else {
            char hex[12];
            std::snprintf(hex, sizeof hex, "\\u%04X", static_cast<unsigned>(unit));
            out += hex;
        }
    }
    return out;
}

void expectValue(const std::u16string& text, std::u16string_view separator, double expected)
{
    SCOPED_TRACE(printable(text));
    const std::optional<double> value = parseNumber(text, separator);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, expected);
    EXPECT_EQ(std::signbit(*value), std::signbit(expected));
}

// Each text reads as its value with the separator.
void expectValues(std::initializer_list<Accepted> cases, std::u16string_view separator = u".")
{
    for (const Accepted& c : cases)
        expectValue(c.text, separator, c.value);
}

TEST(NumberParsing, AcceptsDecimalNumbersWithThePointSeparator)
{
    expectValues({
        {u"0", 0.0},
        {u"12.5", 12.5},
        {u"0.1", 0.1},
        {u"2.2e-5", 2.2e-5},
        {u".5", 0.5},
        {u"5.", 5.0},
        {u"+3", 3.0},
        {u"-2", -2.0},
        {u"-0", -0.0},
        {u"1e3", 1000.0},
        {u"1E-3", 0.001},
        {u"+.5e+1", 5.0},
        {u"007", 7.0},
        {u"123456789012345678901234567890", 1.2345678901234568e29},
        {u"0.7990867579908676", 0.7990867579908676},
        {u"124533.00124533002", 124533.00124533002},
        {u"1.7976931348623157e308", 1.7976931348623157e308},
        {u"4.9e-324", 4.9e-324},
    });
}

TEST(NumberParsing, IgnoresSurroundingBlanks)
{
    expectValues({
        {u"  12.5  ", 12.5},
        {u"\t7\r\n", 7.0},
        {u"\u00A01\u00A0", 1.0},
        {u"\u30002\u3000", 2.0}, // ideographic space
    });
}

TEST(NumberParsing, ReadsFullWidthFormsAsAscii)
{
    expectValues({
        {u"１２．５", 12.5},
        {u"０", 0.0},
        {u"＋３", 3.0},
        {u"－２", -2.0},
        {u"１ｅ３", 1000.0},
        {u"１Ｅ－３", 0.001},
        {u"1２.５", 12.5}, // mixed widths
        {u"\u3000１２．５\u3000", 12.5},
    });
}

TEST(NumberParsing, NumeralsBeyondTheDoubleRangeSaturate)
{
    expectValues({
        {u"1e400", infinity},
        {u"-1e400", -infinity},
        {u"1e99999999999999999999", infinity},
        {u"123456789e308", infinity},
        {u"1e-400", 0.0},
        {u"-1e-400", -0.0},
        {u"0.0000001e-320", 0.0},
        {u"1000000e-330", 0.0},
        {u"0e99999999999", 0.0},
    });
}

TEST(NumberParsing, RejectsEverythingElse)
{
    const std::u16string rejected[] = {
        u"",           u"   ",        u"\u3000",  u"abc",      u"12a",   u"a12",   u"1,000",
        u"1 000",      u"1.000.5",    u"1..5",    u".",        u"+",     u"-",     u"--1",
        u"+-1",        u"1e",         u"1e+",     u"e5",       u"1e1.5", u"inf",   u"-inf",
        u"Infinity",   u"nan",        u"NaN",     u"0x10",     u"1_000", u"1'000", u"\u0661\u0662",
        u"１，０００", u"1\u00A0000", u"\u22121", u"1\u30002",
    };
    for (const std::u16string& text : rejected)
        EXPECT_FALSE(parseNumber(text, u".").has_value()) << printable(text);
}

TEST(NumberParsing, FollowsACommaDecimalSeparator)
{
    expectValues(
        {
            {u"2,5", 2.5},
            {u",5", 0.5},
            {u"-1,5", -1.5},
            {u"1,5e3", 1500.0},
            {u"１２，５", 12.5},
            {u" 3 ", 3.0},
        },
        u",");
    for (const std::u16string text : {u"2.5", u"1.000,5", u"1,000,5", u"１２．５"})
        EXPECT_FALSE(parseNumber(text, u",").has_value()) << printable(text);
}

TEST(NumberParsing, FollowsAnyOtherSeparator)
{
    expectValue(u"2\u066B5", u"\u066B", 2.5); // Arabic decimal separator
    EXPECT_FALSE(parseNumber(u"2.5", u"\u066B").has_value());
    EXPECT_FALSE(parseNumber(u"2,5", u"\u066B").has_value());
}

TEST(NumberParsing, LongInputsAreReadCorrectly)
{
    std::u16string longZeros(100000, u'0');
    expectValue(longZeros + u"1", u".", 1.0);
    expectValue(u"0." + longZeros + u"1e100005", u".", 1e4);
    EXPECT_FALSE(parseNumber(longZeros + u"x", u".").has_value());
}

} // namespace
