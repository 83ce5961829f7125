// Where pages end and what the next one starts with: line-break runs, full pages, the
// replay of markup read at a page end, the end of the text, tabs, and measuring without
// drawing.
#include "RendererFixture.h"

#include "viewer/MarkedText.h"

#include <gtest/gtest.h>

namespace {

std::vector<int32_t> MeasuredStarts(RendererFixture& f)
{
    f.viewer.ReadPosition = 1;
    return MeasurePageStarts(f.viewer, f.page, f.host, f.renderer).starts;
}

// The page starts found by drawing every page, as the viewer does when paging down.
std::vector<int32_t> DrawnStarts(RendererFixture& f)
{
    std::vector<int32_t> starts;
    f.viewer.ReadPosition = 1;
    for (;;) {
        starts.push_back(f.viewer.ReadPosition);
        f.drawPage();
        if (f.renderer.LastStop() != CharacterRenderer::Stop::PageFull)
            return starts;
    }
}

TEST(LayoutPageEnd, ThreeLineBreaksEndThePageUnlessIgnored)
{
    RendererFixture f;
    f.setText(QStringLiteral("A\r\n\r\n\r\nB"));
    EXPECT_EQ(MeasuredStarts(f), (std::vector<int32_t>{1, 8}));

    f.viewer.ReturnMushi = true;
    f.setText(QStringLiteral("A\r\n\r\n\r\nB"));
    f.drawPage();
    EXPECT_EQ(f.viewer.PageText, QStringLiteral("A\rB"));
    // B sits one full and two half lines below A
    EXPECT_EQ(f.page.PenPos.Y, 2 * f.lineHeightTwips());
    EXPECT_EQ(MeasuredStarts(f), (std::vector<int32_t>{1}));
}

TEST(LayoutPageEnd, BlankLinesAddHalfLinesAndSpacesOnlyLinesCountAsBlank)
{
    RendererFixture f;
    f.setText(QStringLiteral("A\r\n\r\nB"));
    f.drawPage();
    EXPECT_EQ(f.page.PenPos.Y, 1.5 * f.lineHeightTwips());
    EXPECT_EQ(f.renderer.LastStop(), CharacterRenderer::Stop::EndOfText);

    f.setText(QStringLiteral("A\r\n  \r\n\u3000\r\nB"));
    EXPECT_EQ(MeasuredStarts(f), (std::vector<int32_t>{1, 11}));

    // a CR without its LF still breaks the line and keeps the next character
    f.setText(QStringLiteral("A\rB"));
    f.drawPage();
    EXPECT_EQ(f.viewer.PageText, QStringLiteral("A\rB"));
    EXPECT_EQ(f.page.PenPos.Y, f.lineHeightTwips());

    // leading blanks of a line with text are drawn, not skipped
    f.setText(QStringLiteral("A\r\n  B"));
    f.drawPage();
    EXPECT_EQ(f.viewer.PageText, QStringLiteral("A\r  B"));
}

TEST(LayoutPageEnd, PageEndingAfterHighlightOnStartsTheNextPageHighlighted)
{
    RendererFixture f;
    f.setText(QString(2000, u'x'));
    const std::vector<int32_t> plain = MeasuredStarts(f);
    ASSERT_GE(plain.size(), 2u);
    const int32_t next = plain[1]; // the first character that did not fit

    f.setText(QString(next - 1, u'x') + QStringLiteral("\\\\Byyyy"));
    EXPECT_EQ(MeasuredStarts(f), (std::vector<int32_t>{1, next}));

    f.viewer.ReadPosition = 1;
    f.drawPage();
    EXPECT_EQ(f.viewer.ReadPosition, next);
    EXPECT_EQ(f.countColour(marked::kHighlightColour, f.textArea()), 0);
    f.drawPage();
    EXPECT_EQ(f.viewer.PageText, QStringLiteral("yyyy"));
    EXPECT_GT(f.countColour(marked::kHighlightColour, f.textArea()), 0);
    EXPECT_EQ(f.countColour(kWhite, f.textArea()), 0);
}

TEST(LayoutPageEnd, EmptyTextShowsEndOfTextAndStopsTyping)
{
    RendererFixture f;
    f.setText(QString());
    f.host.SetTimer1Enabled(true);
    f.page.PenPos = {0, 0};
    f.renderer.Hitomoji_Print();
    EXPECT_FALSE(f.host.Timer1Enabled());
    EXPECT_EQ(f.renderer.LastStop(), CharacterRenderer::Stop::EndOfText);
    EXPECT_EQ(f.page.LinkCount[2], kNoSelectedLink);
    EXPECT_EQ(f.countColour(kBlack, f.textArea()), f.textArea().width() * f.textArea().height());

    // the counter drawn is the end-of-text one, right-aligned on the status line
    RendererFixture expected;
    const double lh = expected.lineHeightTwips();
    const QString counter = QStringLiteral("00000001/00000000[EOF]  ");
    const double w = expected.canvas.TextWidth(counter);
    expected.canvas.setForeColor(kWhite);
    expected.viewer.ShadowColour = f.viewer.ShadowColour;
    expected.status.mojiretsu_kagehyouji(counter, 15, int(expected.canvas.ScaleWidth() - std::trunc(15 + w)),
                                         int(expected.canvas.ScaleHeight() - lh));
    const int statusTop = f.canvas.heightPx() - int(lh / 15);
    const QRect counterArea(f.canvas.widthPx() - int(w / 15), statusTop + 2,
                            int(w / 15) - 1, int(lh / 15) - 2);
    EXPECT_EQ(f.canvas.image().copy(counterArea), expected.canvas.image().copy(counterArea));
    EXPECT_EQ(f.viewer.CurrentText, QStringLiteral(" ")); // the gauge leaves one space
}

TEST(LayoutPageEnd, LongLinesWrapAndFullPagesStopBeforeTheStatusLine)
{
    RendererFixture f;
    f.setText(QString(3000, u'あ'));
    const std::vector<int32_t> starts = MeasuredStarts(f);
    ASSERT_GE(starts.size(), 3u);
    for (size_t i = 1; i + 1 < starts.size(); ++i)
        EXPECT_EQ(starts[i + 1] - starts[i], starts[1] - starts[0]);

    f.viewer.ReadPosition = 1;
    f.drawPage();
    const QImage ink = f.inkMask(f.textArea());
    int right = -1, bottom = -1;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x)
            if (ink.pixelIndex(x, y)) {
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    const double glyph = f.canvas.TextWidth(u"あ") / 15;
    const double margin = std::trunc(f.canvas.TextWidth(u"▼") + 15) / 15;
    const double lh = f.lineHeightTwips() / 15;
    // lines run up to the right margin, and the last one ends above the status line
    EXPECT_LT(right, f.canvas.widthPx() - margin);
    EXPECT_GT(right, f.canvas.widthPx() - margin - 2 * glyph - 2);
    EXPECT_LT(bottom, f.canvas.heightPx() - lh);
    EXPECT_GT(bottom, f.canvas.heightPx() - 3 * lh);
}

TEST(LayoutPageEnd, MeasuringFindsTheSamePagesAsDrawingAndLeavesTheCanvasAlone)
{
    QString text;
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("第%1章 \\\\B見出し\\\\E の\\\\O色\\\\N付き文 TagID\\\\{a%1} です。\r\n\r\n").arg(i);
    RendererFixture f;
    f.setText(text);
    const std::vector<int32_t> drawn = DrawnStarts(f);
    ASSERT_GT(drawn.size(), 3u);
    f.canvas.Cls();
    const QImage before = f.canvas.image().copy();
    EXPECT_EQ(MeasuredStarts(f), drawn);
    EXPECT_EQ(f.canvas.image(), before);
}

TEST(LayoutPageEnd, TabMovesToTheNextFourFullWidthStop)
{
    RendererFixture f;
    const double stop = f.canvas.TextWidth(u"　　　　");
    f.setText(QStringLiteral("ab\tc"));
    f.page.PenPos = {0, 0};
    f.host.SetTimer1Enabled(true);
    const QImage blank = f.canvas.image().copy();
    for (int i = 0; i < 2; ++i)
        f.renderer.Hitomoji_Print();
    const QImage afterTwo = f.canvas.image().copy();
    f.renderer.Hitomoji_Print(); // the tab
    EXPECT_EQ(f.page.PenPos.X, stop);
    EXPECT_TRUE(RendererFixture::changedColours(afterTwo, f.canvas.image(), f.textArea()).empty());
    EXPECT_FALSE(RendererFixture::changedColours(blank, afterTwo, f.textArea()).empty());

    f.setText(QStringLiteral("ab\tc"));
    f.page.MeasureOnly = true;
    f.page.PenPos = {0, 0};
    for (int i = 0; i < 3; ++i)
        f.renderer.Hitomoji_Print();
    const double a = f.canvas.TextWidth(u"a") + 15;
    EXPECT_EQ(f.page.PenPos.X, 1 + 2 * a + f.canvas.TextWidth(u"\t") + 15);
}

TEST(LayoutPageEnd, SurrogatePairsAreLaidOutWhole)
{
    RendererFixture f;
    f.setText(QStringLiteral("a\U0001F600b"));
    f.drawPage();
    EXPECT_EQ(f.viewer.PageText, QStringLiteral("a\U0001F600b"));
    EXPECT_EQ(f.renderer.LastStop(), CharacterRenderer::Stop::EndOfText);
}

TEST(LayoutPageEnd, CanvasTooSmallForOneCharacterStallsInsteadOfLooping)
{
    RendererFixture f(200, 20);
    f.setText(QStringLiteral("abc"));
    f.viewer.ReadPosition = 1;
    const PageStarts pages = MeasurePageStarts(f.viewer, f.page, f.host, f.renderer);
    EXPECT_TRUE(pages.stalled);
    EXPECT_EQ(pages.starts, (std::vector<int32_t>{1}));
}

} // namespace
