#include "core/LineBreaks.h"

#include <gtest/gtest.h>

TEST(LineBreaks, LoneBreaksOfEitherKindBecomeCrLfAndPairsStayWhole)
{
    EXPECT_EQ(ToCrLf(QStringLiteral("a\nb")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(ToCrLf(QStringLiteral("a\rb")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(ToCrLf(QStringLiteral("a\r\nb")), QStringLiteral("a\r\nb"));
    // LF CR is two breaks, not one reversed pair.
    EXPECT_EQ(ToCrLf(QStringLiteral("a\n\rb")), QStringLiteral("a\r\n\r\nb"));
    EXPECT_EQ(ToCrLf(QStringLiteral("\r\r\n\n")), QStringLiteral("\r\n\r\n\r\n"));
}

TEST(LineBreaks, EdgesOfTheTextAndTextWithoutBreaks)
{
    EXPECT_EQ(ToCrLf(QString()), QString());
    EXPECT_EQ(ToCrLf(QStringLiteral("\n")), QStringLiteral("\r\n"));
    EXPECT_EQ(ToCrLf(QStringLiteral("末尾\r")), QStringLiteral("末尾\r\n"));
    EXPECT_EQ(ToCrLf(QStringLiteral("日本語 text")), QStringLiteral("日本語 text"));
}
