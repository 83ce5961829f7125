// The drawing surface: twips and pixel scales, boxes with both corners included, rectangle
// copies (overlapping, between surfaces, partly outside) and resizing.
#include "core/Surface.h"

#include <QFont>
#include <gtest/gtest.h>

namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kBlue = 0x00FF0000;
constexpr Colour kWhite = 0x00FFFFFF;

Colour At(const Surface& s, int x, int y) { return FromQColor(QColor(s.image().pixel(x, y))); }

TEST(Surface, MeasuresInTwipsOrPixels)
{
    Surface s(100, 50);
    s.setTwipsPerPixel(15);
    s.setFont(QFont(QStringLiteral("IPAGothic"), 12));
    EXPECT_EQ(s.ScaleWidth(), 1500);
    EXPECT_EQ(s.ScaleHeight(), 750);
    const double twips = s.TextWidth(u"あいう");
    s.setScaleMode(Surface::ScaleMode::Pixels);
    EXPECT_EQ(s.ScaleWidth(), 100);
    EXPECT_EQ(s.TextWidth(u"あいう") * 15, twips);
    EXPECT_EQ(s.CharWidth(u'あ') * 3, s.TextWidth(u"あいう"));
    EXPECT_EQ(s.TextHeight(u"a\nb"), 2 * s.TextHeight(u"a"));

    // a finer screen: the same font covers more pixels
    Surface fine(100, 50);
    fine.setTwipsPerPixel(7.5);
    fine.setFont(QFont(QStringLiteral("IPAGothic"), 12));
    EXPECT_NEAR(fine.TextWidth(u"あいう"), twips, 3 * 15);
}

TEST(Surface, BoxesIncludeBothCornersAndClsUsesTheBackColour)
{
    Surface s(20, 20);
    s.setTwipsPerPixel(15);
    s.setBackColor(kWhite);
    s.Cls();
    s.FillBox(30, 30, 60, 45, kRed); // pixels 2..4 x 2..3
    EXPECT_EQ(At(s, 2, 2), kRed);
    EXPECT_EQ(At(s, 4, 3), kRed);
    EXPECT_EQ(At(s, 5, 3), kWhite);
    EXPECT_EQ(At(s, 4, 4), kWhite);
    EXPECT_EQ(At(s, 1, 2), kWhite);
    s.Box(150, 150, 225, 225, kBlue); // outline of pixels 10..15
    EXPECT_EQ(At(s, 10, 12), kBlue);
    EXPECT_EQ(At(s, 15, 15), kBlue);
    EXPECT_EQ(At(s, 12, 12), kWhite);
    s.FillBox(-1000, -1000, 100000, 100000, kRed); // far outside: clipped, no fault
    EXPECT_EQ(At(s, 19, 19), kRed);
    s.Cls();
    EXPECT_EQ(At(s, 19, 19), kWhite);
}

TEST(Surface, CopiesWithinOneSurfaceReadTheOldPixels)
{
    Surface s(10, 10);
    s.setScaleMode(Surface::ScaleMode::Pixels);
    s.setBackColor(kWhite);
    s.Cls();
    for (int y = 0; y < 10; ++y)
        s.FillBox(0, y, 9, y, Colour(y)); // row y has colour y
    s.CopyRect(0, 0, 10, 8, s, 0, 2);     // scroll up two rows
    for (int y = 0; y < 8; ++y)
        EXPECT_EQ(At(s, 5, y), Colour(y + 2)) << y;
    s.CopyRect(0, 3, 10, 7, s, 0, 0); // and down three: overlapping the other way
    EXPECT_EQ(At(s, 5, 3), Colour(2));
    EXPECT_EQ(At(s, 5, 9), Colour(8));
}

TEST(Surface, CopiesBetweenSurfacesClipToTheSource)
{
    Surface page(10, 10);
    Surface window(10, 10);
    for (Surface* s : {&page, &window})
        s->setScaleMode(Surface::ScaleMode::Pixels);
    page.setBackColor(kRed);
    page.Cls();
    window.setBackColor(kWhite);
    window.Cls();
    window.CopyRect(2, 2, 20, 20, page, 5, 5); // only 5 x 5 of the source exist
    EXPECT_EQ(At(window, 2, 2), kRed);
    EXPECT_EQ(At(window, 6, 6), kRed);
    EXPECT_EQ(At(window, 7, 7), kWhite);
    EXPECT_EQ(At(window, 1, 1), kWhite);
}

TEST(Surface, ResizeKeepsWhatFitsAndReportsChanges)
{
    Surface s(4, 4);
    s.setScaleMode(Surface::ScaleMode::Pixels);
    s.setBackColor(kRed);
    s.Cls();
    QRect changed;
    s.setChangedHandler([&](const QRect& r) { changed |= r; });
    s.setBackColor(kBlue);
    s.resize(6, 3);
    EXPECT_EQ(At(s, 3, 2), kRed);
    EXPECT_EQ(At(s, 5, 0), kBlue);
    EXPECT_EQ(changed, QRect(0, 0, 6, 3));
    changed = QRect();
    s.FillBox(1, 1, 2, 2, kWhite);
    EXPECT_EQ(changed, QRect(1, 1, 2, 2));
}

} // namespace
