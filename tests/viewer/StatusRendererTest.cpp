// The status line's texts, the shadow colour rule and the position gauge.
#include "RendererFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusTexts, LeftPartShowsIdleTimeSpeedAndSwitches)
{
    RendererFixture f;
    f.viewer.IdleTimer = {7, 30};
    f.viewer.MessageSpeed = 5;
    f.viewer.ReturnMushi = false;
    f.viewer.AlwaysOnTop = true;
    EXPECT_EQ(f.status.BuildStatusText(f.canvas.ScaleWidth()),
              QStringLiteral("007/30 Esc:Quit S:Setting L:URL Z:速 5 A:連改 手前 "));
    f.viewer.IdleTimer = {1234, 0};
    f.viewer.ReturnMushi = true;
    f.viewer.AlwaysOnTop = false;
    EXPECT_EQ(f.status.BuildStatusText(f.canvas.ScaleWidth()),
              QStringLiteral("234/0 Esc:Quit S:Setting L:URL Z:速 5 "));

    // the key help drops out when it would take more than a third of the width
    const double help = f.canvas.TextWidth(u" Esc:Quit S:Setting L:URL ");
    EXPECT_EQ(f.status.BuildStatusText(3 * help - 1), QStringLiteral("234/0Z:速 5 "));
    EXPECT_TRUE(f.status.BuildStatusText(3 * help).contains(u"Esc:Quit"));
}

TEST(StatusTexts, CounterShowsPositionLengthAndWhereThePageIs)
{
    RendererFixture f;
    f.setText(QString(4567, u'x'));
    f.viewer.ReadPosition = 123;
    f.viewer.PageStartList = QStringLiteral("1");
    EXPECT_EQ(f.status.PositionCounter(), QStringLiteral("00000123/00004567 　▼"));
    f.viewer.PageStartList = QStringLiteral("61,1");
    EXPECT_EQ(f.status.PositionCounter(), QStringLiteral("00000123/00004567 ▲▼"));
    f.viewer.ReadPosition = 4568;
    EXPECT_EQ(f.status.PositionCounter(), QStringLiteral("00004568/00004567[EOF]  "));
    f.setText(QString());
    f.viewer.ReadPosition = 0;
    EXPECT_EQ(f.status.PositionCounter(), QStringLiteral("00000000/00000000[EOF]  "));
}

TEST(StatusTexts, StatusLineIsCutRatherThanSpilledOnNarrowCanvases)
{
    RendererFixture f(150, 153); // the counter is wider than half of it
    f.setText(QStringLiteral("abc"));
    f.viewer.ReturnMushi = true;
    f.status.line_print();
    EXPECT_EQ(f.page.StatusText, QStringLiteral("000/0Z:速 5 "));
    // nothing of the counter: the right part of the status line stays empty
    const int lh = int(f.lineHeightTwips() / 15);
    const QRect right(f.canvas.widthPx() - 30, f.canvas.heightPx() - lh + 2, 30, lh - 2);
    EXPECT_EQ(f.countColour(kWhite, right), 0);
}

TEST(StatusShadow, ShadowColourRule)
{
    const Colour text = 100 | (200 << 8) | (50 << 16);
    EXPECT_EQ(ShadowColourFor(text, -1), Colour(1 | (20 << 8) | (1 << 16)));
    EXPECT_EQ(ShadowColourFor(text, 0), text);
    EXPECT_EQ(ShadowColourFor(text, 1), Colour(255 | (255 << 8) | (230 << 16)));
    EXPECT_EQ(ShadowColourFor(0, 0), Colour(0x010101)); // never 0, which means "recompute"
}

TEST(StatusShadow, TextIsDrawnOverItsShadowOnePixelDownRight)
{
    RendererFixture f;
    f.viewer.ShadowShift = -1;
    f.viewer.ShadowColour = 0;
    f.canvas.setForeColor(kWhite);
    f.status.mojiretsu_kagehyouji(QStringLiteral("■"), 15, 150, 150);
    const Colour shadow = f.viewer.ShadowColour;
    EXPECT_EQ(shadow, ShadowColourFor(kWhite, -1));
    QRect textBox, shadowBox;
    const QImage& img = f.canvas.image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const Colour c = FromQColor(QColor(img.pixel(x, y)));
            if (c == kWhite)
                textBox |= QRect(x, y, 1, 1);
            else if (c == shadow)
                shadowBox |= QRect(x, y, 1, 1);
        }
    ASSERT_FALSE(textBox.isEmpty());
    EXPECT_GE(textBox.left(), 10);
    EXPECT_EQ(shadowBox.right(), textBox.right() + 1);
    EXPECT_EQ(shadowBox.bottom(), textBox.bottom() + 1);
    EXPECT_EQ(f.canvas.ForeColor(), kWhite);
}

// Rows of the gauge column that are in the drawing colour.
std::vector<bool> GaugeRows(RendererFixture& f)
{
    const int x = f.canvas.widthPx() - 7; // inside the column left of the right margin
    std::vector<bool> rows;
    for (int y = 0; y < f.canvas.heightPx(); ++y)
        rows.push_back(FromQColor(QColor(f.canvas.image().pixel(x, y))) == kWhite);
    return rows;
}

TEST(StatusGauge, BandCoversThePartOfTheTextOnScreen)
{
    RendererFixture f;
    f.viewer.ShadowColour = 0x00404040;
    f.setText(QString(1000, u'x'));
    f.viewer.PageStartList = QStringLiteral("500,1");
    f.viewer.ReadPosition = 750;
    f.canvas.setForeColor(kWhite);
    f.status.line_print_Color();
    const std::vector<bool> rows = GaugeRows(f);
    const double bottom = (f.canvas.ScaleHeight() - f.lineHeightTwips()) / 15 - 2;
    auto at = [&](double fraction) { return rows[size_t(bottom * fraction)]; };
    EXPECT_FALSE(at(0.40));
    EXPECT_TRUE(at(0.55));
    EXPECT_TRUE(at(0.70));
    EXPECT_FALSE(at(0.85));
    EXPECT_EQ(f.canvas.ForeColor(), kWhite);
}

TEST(StatusRenderers, NothingIsDrawnWhileMeasuring)
{
    RendererFixture f;
    f.setText(QStringLiteral("abc"));
    f.page.MeasureOnly = true;
    const QImage before = f.canvas.image().copy();
    f.status.line_print();
    f.status.line_print_mojisuu();
    f.status.line_print_Color();
    EXPECT_EQ(f.canvas.image(), before);
    EXPECT_TRUE(f.page.StatusText.isEmpty());
}

} // namespace
