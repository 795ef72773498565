#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "ui/Value.h"

using namespace ui;

TEST(Val, ReadsTheLongestNumericPrefixAfterBlanks) {
    EXPECT_EQ(Val("  5"), 5);
    EXPECT_EQ(Val("12abc"), 12);
    EXPECT_EQ(Val("2.7"), 2.7);
    EXPECT_EQ(Val("-3"), -3);
    EXPECT_EQ(Val("1e3x"), 1000);
    EXPECT_EQ(Val("1e"), 1);  // an exponent without digits is not part of the number
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("  "), 0);
    EXPECT_EQ(Val("abc"), 0);
    // Plain digit runs, short and long, read as the general conversion reads them.
    EXPECT_EQ(Val("007"), 7);
    EXPECT_EQ(Val("123456789012345"), 123456789012345.0);
    EXPECT_EQ(Val("12345678901234567890"), 12345678901234567890.0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
}

TEST(IsNumeric, WholeTextWithBlanksAroundIsANumber) {
    EXPECT_TRUE(IsNumeric("5"));
    EXPECT_TRUE(IsNumeric(" 5 "));
    EXPECT_TRUE(IsNumeric("  5"));
    EXPECT_TRUE(IsNumeric("12"));
    EXPECT_TRUE(IsNumeric("-1.5"));
    EXPECT_TRUE(IsNumeric("0"));
    EXPECT_FALSE(IsNumeric(""));
    EXPECT_FALSE(IsNumeric("  "));
    EXPECT_FALSE(IsNumeric("5a"));
    EXPECT_FALSE(IsNumeric("a"));
    EXPECT_FALSE(IsNumeric("1 2"));
    EXPECT_FALSE(IsNumeric("Text1"));
}

TEST(IntegerConversions, TruncateFloorAndRoundHalfToEven) {
    EXPECT_EQ(Fix(2.7), 2);
    EXPECT_EQ(Fix(-2.7), -2);
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(32767.0), 32767);
    EXPECT_EQ(CInt(32767.6), std::nullopt);
    EXPECT_EQ(CInt(-32768.4), -32768);
    EXPECT_EQ(CInt(1e9), std::nullopt);
}

TEST(NumberText, WholeNumbersWithoutPoint) {
    EXPECT_EQ(NumberText(12), "12");
    EXPECT_EQ(NumberText(-3), "-3");
    EXPECT_EQ(NumberText(2.5), "2.5");
}

TEST(Val, WholeNumbersReadExactlyAsTheLibraryReadsThem) {
    for (const char* text : {"0", "-0", "+7", "007", "123456789012345", "-999999999999999", "1234567890123456",
                             "99999999999999999999", "9007199254740993", "+"}) {
        double expected = std::strtod(text, nullptr);
        EXPECT_EQ(Val(text), expected) << text;
        EXPECT_EQ(std::signbit(Val(text)), std::signbit(expected)) << text;
    }
}
