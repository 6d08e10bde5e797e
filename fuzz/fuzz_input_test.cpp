// How the fuzz target reads its bytes: a decoder that loses or invents characters, or a split
// that never reaches some field or index, would quietly narrow what the fuzzer can reach.
#include "fuzz_input.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct Decoding {
    const char* name;
    std::string bytes;
    std::u16string text;
};

class Utf8Decoding : public ::testing::TestWithParam<Decoding> {};

TEST_P(Utf8Decoding, GivesTheTextWithOneReplacementPerIllFormedPart)
{
    EXPECT_EQ(fuzzinput::decodeUtf8(GetParam().bytes), GetParam().text);
}

// Byte strings are written in pieces where a hex escape would otherwise take in the character
// after it; clang-format would put each piece on a line of its own, so the table keeps its layout.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Decoding,
    ::testing::Values(
        Decoding{"AsciiNumber", "12.5", u"12.5"},
        Decoding{"FullWidthDigitAndPoint", "\xEF\xBC\x91\xEF\xBC\x8E", u"１．"},
        Decoding{"IdeographicAndNoBreakSpace", "\xE3\x80\x80\xC2\xA0", u"\u3000\u00A0"},
        Decoding{"FourBytesToASurrogatePair", "\xF0\x9F\x98\x80", u"\U0001F600"},
        Decoding{"NulBetweenDigits", std::string("1\0" "2", 3), std::u16string(u"1\0" u"2", 3)},
        Decoding{"ByteFFLeadsNoSequence", "\xFF" "1", u"\uFFFD" u"1"},
        Decoding{"LoneContinuationBytes", "\x80\x80", u"\uFFFD\uFFFD"},
        Decoding{"TwoByteSequenceCutAtTheEnd", "\xC3", u"\uFFFD"},
        Decoding{"CutShortThreeByteSequenceIsOneReplacement", "\xE3\x80" "1", u"\uFFFD" u"1"},
        Decoding{"FourByteSequenceCutAtTheEnd", "\xF0\x9F\x98", u"\uFFFD"},
        Decoding{"OverlongSlash", "\xC0\xAF", u"\uFFFD\uFFFD"},
        Decoding{"OverlongSlashInThreeBytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        Decoding{"EncodedSurrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        Decoding{"AboveU10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}),
    [](const auto& test) { return std::string(test.param.name); });
// clang-format on

fuzzinput::PressOfCalculate split(const std::string& bytes)
{
    return fuzzinput::splitBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

TEST(FuzzInputSplit, NoBytesAreTheStartOfTheWindowWithEmptyFields)
{
    const fuzzinput::PressOfCalculate press = split("");
    EXPECT_EQ(press.route, dosecalc::foodRoute);
    EXPECT_EQ(press.sievertUnit, dosecalc::microUnit);
    EXPECT_EQ(press.grayUnit, dosecalc::microUnit);
    EXPECT_EQ(press.decimalSeparator, u".");
    for (const std::u16string& field : press.fields)
        EXPECT_TRUE(field.empty());
}

TEST(FuzzInputSplit, TheHeaderGivesRouteUnitsAndSeparator)
{
    const fuzzinput::PressOfCalculate press = split("0/3,1000\n\xEF\xBC\x92");
    EXPECT_EQ(press.route, dosecalc::airRoute);
    EXPECT_EQ(press.sievertUnit, -1);
    EXPECT_EQ(press.grayUnit, 3);
    EXPECT_EQ(press.decimalSeparator, u",");
    EXPECT_EQ(press.fields[0], u"1000");
    EXPECT_EQ(press.fields[1], u"２");
    EXPECT_TRUE(press.fields[2].empty());
}

TEST(FuzzInputSplit, IndexExtremesAndEverySeparatorAreReachable)
{
    const fuzzinput::PressOfCalculate extremes = split(std::string("\xAF\xB0") + "2b");
    EXPECT_EQ(extremes.route, INT_MAX);
    EXPECT_EQ(extremes.sievertUnit, INT_MIN);
    EXPECT_EQ(extremes.grayUnit, 2);
    EXPECT_EQ(extremes.decimalSeparator, u"\u066B");
    EXPECT_EQ(split("111a").decimalSeparator, u",");
    EXPECT_EQ(split("111c").decimalSeparator, u".");
}

TEST(FuzzInputSplit, TheSixthFieldTakesTheRestAndTheInputViewsTheFields)
{
    const fuzzinput::PressOfCalculate press = split("111.a\nb\nc\nd\ne\nf\ng");
    EXPECT_EQ(press.fields[4], u"e");
    EXPECT_EQ(press.fields[5], u"f\ng");
    const dosecalc::CalculationInput input = press.input();
    EXPECT_EQ(input.iodine131, u"a");
    EXPECT_EQ(input.caesium137, u"b");
    EXPECT_EQ(input.caesium134, u"c");
    EXPECT_EQ(input.intake, u"d");
    EXPECT_EQ(input.sievertRate, u"e");
    EXPECT_EQ(input.grayRate, u"f\ng");
    EXPECT_EQ(input.decimalSeparator, u".");
}

} // namespace
