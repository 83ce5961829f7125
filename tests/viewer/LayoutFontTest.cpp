// The designed font must come out as an installed Japanese monospace font, so that pages
// hold the number of characters they were designed for.
#include "core/Surface.h"
#include "viewer/ViewerFonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

TEST(LayoutFont, DesignedFontFallsBackToAJapaneseMonospaceFont)
{
    const QFont font = viewerfonts::ViewerFont();
    EXPECT_EQ(font.family(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAGothic"));

    Surface s(100, 100);
    s.setTwipsPerPixel(15);
    s.setFont(font);
    // 9.75 pt at 96 DPI is 13 pixels; full-width characters are twice the half-width ones,
    // give or take the rounding of a half-width advance to whole pixels
    EXPECT_NEAR(s.TextHeight(u"▼"), 13 * 15, 2 * 15);
    EXPECT_NEAR(s.CharWidth(u'あ'), 2 * s.CharWidth(u'a'), 15);
    EXPECT_EQ(s.CharWidth(u'W'), s.CharWidth(u'i'));
}

} // namespace
