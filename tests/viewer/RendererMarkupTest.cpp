// What the reader sees of the markers: colours of the marked runs, nothing of the markers
// themselves, and the same places for the visible characters as without markers.
#include "RendererFixture.h"

#include "viewer/MarkedText.h"

#include <gtest/gtest.h>

namespace {

QImage TextAreaInk(const QString& text)
{
    RendererFixture f;
    f.setText(text);
    f.drawPage();
    return f.inkMask(f.textArea());
}

TEST(RendererMarkup, HighlightShowsYellowWithoutMarkerGlyphsOrShift)
{
    RendererFixture f;
    f.setText(QStringLiteral("ab\\\\Bcd\\\\Eef"));
    const auto calls = f.drawPageByCall();
    ASSERT_EQ(calls.size(), 6u); // one drawing call per visible letter, none per marker
    for (size_t i = 0; i < calls.size(); ++i) {
        const bool highlighted = i == 2 || i == 3;
        EXPECT_EQ(calls[i].count(marked::kHighlightColour), highlighted ? 1u : 0u) << i;
        EXPECT_EQ(calls[i].count(kWhite), highlighted ? 0u : 1u) << i;
    }
    EXPECT_EQ(f.viewer.PageText, QStringLiteral("abcdef"));
    EXPECT_EQ(TextAreaInk(QStringLiteral("ab\\\\Bcd\\\\Eef")), TextAreaInk(QStringLiteral("abcdef")));
}

TEST(RendererMarkup, NestedRunsAndBackToBackMarkers)
{
    RendererFixture f;
    // highlight inside font colour: green inside and after the inner run; then an off
    // marker directly followed by an on marker
    f.setText(QStringLiteral("\\\\Oa\\\\Bb\\\\Ec\\\\N\\\\Bd\\\\Ee"));
    const auto calls = f.drawPageByCall();
    ASSERT_EQ(calls.size(), 5u);
    for (int i : {0, 1, 2})
        EXPECT_EQ(calls[size_t(i)].count(marked::kFontColour), 1u) << i;
    EXPECT_EQ(calls[3].count(marked::kHighlightColour), 1u);
    EXPECT_EQ(calls[4].count(kWhite), 1u);
    EXPECT_EQ(calls[4].count(marked::kFontColour) + calls[4].count(marked::kHighlightColour), 0u);
    EXPECT_EQ(f.viewer.PageText, QStringLiteral("abcde"));
}

const QString kLinkList = QStringLiteral("\r\n\r\nURLリスト一覧\r\nURLList\\\\{0001:http://a.example/x}\r\n");

TEST(RendererMarkup, LinkDrawsPinkUrlAndRecordsItsRectangle)
{
    RendererFixture f;
    f.setText(QStringLiteral("go URL\\\\{0001} next") + kLinkList);
    const auto calls = f.drawPageByCall();
    ASSERT_GE(calls.size(), 9u); // "go", "URL", "next" (a space changes no pixel)
    for (int i : {2, 3, 4})
        EXPECT_EQ(calls[size_t(i)].count(marked::kLinkColour), 1u) << i;
    EXPECT_EQ(calls[5].count(marked::kLinkColour), 0u); // the label is ordinary text
    EXPECT_EQ(f.page.LinkCount[1], 1);
    EXPECT_EQ(f.page.LinkUrl[0], QStringLiteral("http://a.example/x"));
    const int left = f.page.LinkRect[0][0];
    EXPECT_GT(left, 0);
    EXPECT_EQ(f.page.LinkRect[0][1], 0);
    EXPECT_GT(f.page.LinkRect[0][2], left + int(f.canvas.TextWidth(u"UR")));
    EXPECT_EQ(f.viewer.UrlRing[0], QStringLiteral("http://a.example/x"));
    EXPECT_EQ(f.viewer.UrlRingNext, 1);
    EXPECT_TRUE(f.viewer.PageText.startsWith(QStringLiteral("go URLnext")));
}

TEST(RendererMarkup, LinkMarkersDoNotShiftTheText)
{
    // three line breaks end the page, so the list entry is not on it
    EXPECT_EQ(TextAreaInk(QStringLiteral("go URL\\\\{0001} next\r\n\r\n\r\n"
                                         "URLList\\\\{0001:http://a.example/x}\r\n")),
              TextAreaInk(QStringLiteral("go URLnext\r\n\r\n\r\nzzz")));
}

TEST(RendererMarkup, UnknownLinkNumberIsShownAsText)
{
    RendererFixture f;
    f.setText(QStringLiteral("URL\\\\{0002} x") + kLinkList);
    f.drawPage();
    EXPECT_EQ(f.page.LinkCount[1], 0);
    EXPECT_TRUE(f.viewer.PageText.startsWith(QStringLiteral("URL\\\\{0002} x")));
    EXPECT_EQ(f.countColour(marked::kLinkColour, f.textArea()), 0);
}

TEST(RendererMarkup, AnchorsBecomeOneMarkAndAnUnclosedOneMovesOn)
{
    RendererFixture f;
    f.setText(QStringLiteral("aTagID\\\\{top}b"));
    f.drawPage();
    EXPECT_EQ(f.viewer.PageText, QStringLiteral("a■b"));

    f.setText(QStringLiteral("aTagID\\\\{nameb"));
    f.drawPage();
    EXPECT_EQ(f.viewer.PageText, QStringLiteral("a■nameb"));
    EXPECT_EQ(f.renderer.LastStop(), CharacterRenderer::Stop::EndOfText);
}

TEST(RendererMarkup, MoreLinksThanTheTableHoldsAreDrawnButNotRecorded)
{
    RendererFixture f(2000, 1200);
    QString text;
    QString list = QStringLiteral("\r\n\r\nURLリスト一覧\r\n");
    for (int n = 1; n <= 250; ++n) {
        const QString key = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
        text += QStringLiteral("URL\\\\{%1} ").arg(key);
        list += QStringLiteral("URLList\\\\{%1:http://h/%2}\r\n").arg(key).arg(n);
    }
    f.setText(text + list);
    f.drawPage();
    EXPECT_EQ(f.page.LinkCount[1], kMaxPageLinks);
    EXPECT_EQ(f.page.LinkUrl[200], QStringLiteral("http://h/201"));
    // the ring keeps the last 41 URLs met: link 250 went to slot 249 % 41
    EXPECT_EQ(f.viewer.UrlRing[249 % 41], QStringLiteral("http://h/250"));
    EXPECT_EQ(f.viewer.UrlRingNext, 250 % 41);
    const QString linkPart = f.viewer.PageText.left(f.viewer.PageText.indexOf(u'\r'));
    EXPECT_EQ(linkPart.count(QStringLiteral("URL")), 250);
}

TEST(RendererMarkup, LinkThatDoesNotFitBelongsToTheNextPage)
{
    RendererFixture f;
    f.setText(QString(2000, u'x'));
    f.viewer.ReadPosition = 1;
    const int32_t next = MeasurePageStarts(f.viewer, f.page, f.host, f.renderer).starts.at(1);

    f.setText(QString(next - 1, u'x') + QStringLiteral("URL\\\\{0001} y") + kLinkList);
    f.drawPage();
    EXPECT_EQ(f.viewer.ReadPosition, next);
    EXPECT_EQ(f.page.LinkCount[1], 0);
    f.drawPage();
    EXPECT_EQ(f.page.LinkCount[1], 1);
    EXPECT_EQ(f.page.LinkRect[0][1], 0);
}

TEST(RendererMarkup, ColourStackIsSevenDeep)
{
    RendererFixture f;
    Colour c = kWhite;
    int32_t flag = 99;
    f.renderer.Irohenge(c, flag);
    EXPECT_EQ(flag, 0);
    for (Colour pushed = 1; pushed <= 7; ++pushed) {
        Colour v = pushed;
        int32_t push = 0;
        f.renderer.Irohenge(v, push);
    }
    // the text colour was pushed out at the bottom; the last entry repeats once empty
    for (Colour expected : {6u, 5u, 4u, 3u, 2u, 1u, 1u}) {
        int32_t pop = 1;
        f.renderer.Irohenge(c, pop);
        EXPECT_EQ(c, expected);
    }
}

} // namespace

// A pasted run of markers is read in one call and costs no status refresh: typing reaches
// the first letter behind 100,000 markers at once, in the right colour.
TEST(RendererMarkup, ARunOfMarkersIsOneStepAndDrawsNothing)
{
    RendererFixture f;
    QString text;
    for (int i = 0; i < 50000; ++i)
        text += QStringLiteral("\\\\B\\\\E");
    f.setText(text + QStringLiteral("\\\\Oab"));
    f.canvas.Cls();
    f.page.PenPos = {0, 0};
    f.host.SetTimer1Enabled(true);
    const QImage before = f.canvas.image().copy();
    f.renderer.Hitomoji_Print();
    EXPECT_EQ(f.viewer.ReadPosition, text.size() + 4); // every marker taken, "a" is next
    EXPECT_EQ(f.canvas.image(), before);               // nothing drawn, the status line neither
    f.renderer.Hitomoji_Print();
    EXPECT_EQ(f.viewer.PageText, QStringLiteral("a"));
    EXPECT_EQ(f.changedColours(before, f.canvas.image(), f.textArea()).count(marked::kFontColour), 1u);
}
