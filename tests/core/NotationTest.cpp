#include <gtest/gtest.h>

#include "core/Notation.h"

using namespace notation;

TEST(Val, ReadsTheLeadingNumberOnly)
{
    EXPECT_EQ(Val(u"  42abc"), 42);
    EXPECT_EQ(Val(u"abc42"), 0);
    EXPECT_EQ(Val(u""), 0);
    EXPECT_EQ(Val(u"260,120,1"), 260);   // the head of a page-start list
    EXPECT_EQ(Val(u"1.5.3"), 1.5);
    EXPECT_EQ(Val(u"True"), 0);
}

TEST(Val, SignsPointsAndExponents)
{
    EXPECT_EQ(Val(u"-12"), -12);
    EXPECT_EQ(Val(u"+7"), 7);
    EXPECT_EQ(Val(u".5"), 0.5);
    EXPECT_EQ(Val(u"-.25x"), -0.25);
    EXPECT_EQ(Val(u"1e3"), 1000);
    EXPECT_EQ(Val(u"2D2"), 200);
    EXPECT_EQ(Val(u"1.5E-1"), 0.15);
    EXPECT_EQ(Val(u"3e"), 3);            // an exponent without digits is not part of the number
    EXPECT_EQ(Val(u"3e+x"), 3);
    EXPECT_EQ(Val(u"-"), 0);
    EXPECT_EQ(Val(u"."), 0);
}

TEST(Val, BlanksInsideTheNumberAreSkipped)
{
    EXPECT_EQ(Val(u"1 2"), 12);
    EXPECT_EQ(Val(u" \t1\n2 3"), 123);
    EXPECT_EQ(Val(u"- 5"), -5);
    EXPECT_EQ(Val(u"1 . 5"), 1.5);
}

TEST(Val, HexadecimalAndOctal)
{
    EXPECT_EQ(Val(u"&HFF"), 255);
    EXPECT_EQ(Val(u"&hff"), 255);
    EXPECT_EQ(Val(u"&O17"), 15);
    EXPECT_EQ(Val(u"&O19"), 1);          // 9 is no octal digit
    EXPECT_EQ(Val(u"&HG"), 0);
    EXPECT_EQ(Val(u"&"), 0);
}

TEST(Val, HugeNumbersStayFinite)
{
    EXPECT_TRUE(std::isfinite(Val(u"1e999")));
    EXPECT_TRUE(std::isfinite(Val(QString(5000, u'9'))));
    EXPECT_TRUE(std::isfinite(Val(QStringLiteral("&H") + QString(400, QChar(u'F')))));
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(25.5), 26);  // 51 * 0.5: a fade step
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(ToInt32(1e12), INT32_MAX);
    EXPECT_EQ(ToInt16(-40000), INT16_MIN);
    EXPECT_EQ(ToInt32(std::nan("")), 0);
}

TEST(Rounding, FixTruncatesAndIntFloors)
{
    EXPECT_EQ(Fix(-2.7), -2);
    EXPECT_EQ(Int(-2.2), -3);
    EXPECT_EQ(Fix(2.7), 2);
    EXPECT_EQ(Int(2.7), 2);
}

TEST(Texts, RightLeftMidInStr)
{
    EXPECT_EQ(Right(QStringLiteral("000") + QString::number(7), 3), u"007");
    EXPECT_EQ(Right(QStringLiteral("0000") + QString::number(12345), 4), u"2345");
    EXPECT_EQ(Right(QStringLiteral("ab"), 5), u"ab");
    EXPECT_EQ(Right(QStringLiteral("ab"), 0), u"");
    EXPECT_EQ(Left(QStringLiteral("abc"), 2), u"ab");
    EXPECT_EQ(Mid(QStringLiteral("abcdef"), 2, 3), u"bcd");
    EXPECT_EQ(Mid(QStringLiteral("abc"), 9), u"");
    EXPECT_EQ(InStr(u"abcabc", u"c"), 3);
    EXPECT_EQ(InStr(4, u"abcabc", u"c"), 6);
    EXPECT_EQ(InStr(u"abc", u"C"), 0);
    EXPECT_EQ(InStr(1, u"abc", u"C", Qt::CaseInsensitive), 3);
    EXPECT_EQ(InStr(2, u"abc", u""), 2);
    EXPECT_EQ(InStr(9, u"abc", u"a"), 0);
}

TEST(Texts, NumberTextOfStoredNumbers)
{
    EXPECT_EQ(NumberText(1234), u"1234");
    EXPECT_EQ(NumberText(-3), u"-3");
    EXPECT_EQ(NumberText(2.5), u"2.5");
    EXPECT_EQ(NumberText(0), u"0");
}
