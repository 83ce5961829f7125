#include "viewer/CharacterRenderer.h"

#include "core/Notation.h"
#include "core/Surface.h"
#include "viewer/RendererHost.h"
#include "viewer/StatusRenderer.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"

using notation::Fix;
using notation::ToInt32;

namespace {

constexpr QStringView kMetricGlyph = u"▼";
constexpr QStringView kTabStop = u"　　　　";
const QString kAnchorGlyph = QString(QChar(marked::kAnchorGlyph));

bool IsSurrogatePair(QStringView text, qsizetype i)
{
    return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
}

bool IsBlank(QChar c) { return c == u' ' || c == u'\u3000'; }

} // namespace

struct CharacterRenderer::Metrics {
    double px;          // twips per pixel
    double sw;          // width of the widest glyph plus a pixel
    double lh;          // line height plus a pixel
    double rightLimit;  // a character placed at or beyond this wraps the line
    double bottomLimit; // a line starting here does not fit: room for the status line
};

CharacterRenderer::CharacterRenderer(ViewerState& viewer, ViewerPageState& page,
                                     RendererHost& host, StatusRenderer& status)
    : viewer_(viewer), page_(page), host_(host), status_(status)
{
}

CharacterRenderer::Metrics CharacterRenderer::metrics(const Surface& s) const
{
    Metrics m;
    m.px = s.twipsPerPixel();
    m.sw = Fix(s.TextWidth(kMetricGlyph) + m.px);
    m.lh = Fix(s.TextHeight(kMetricGlyph) + m.px);
    m.rightLimit = s.ScaleWidth() - m.sw;
    m.bottomLimit = s.ScaleHeight() - 2 * m.lh;
    return m;
}

void CharacterRenderer::Hitomoji_Print()
{
    Surface* canvas = viewer_.Canvas;
    if (!canvas) { // nothing to lay out on: report the page as done
        host_.SetTimer1Enabled(false);
        return;
    }
    Surface& s = *canvas;
    lastStop_ = Stop::None;
    linkStartedHere_ = false;
    if (page_.PenPos.atPageStart())
        startPage(s);

    const QString& text = viewer_.CurrentText;
    if (text.isEmpty() || viewer_.ReadPosition < 1 || viewer_.ReadPosition > text.size()) {
        endOfText();
        return;
    }
    if (page_.CurrentLineLength == 0)
        page_.CurrentLine.clear();
    const QStringView all(text);
    // A run of colour markers is read in one call and draws nothing: a text made of markers
    // must not cost a status-line refresh or a typing step per marker.
    if (takeColourMarker(s, all.sliced(viewer_.ReadPosition - 1))) {
        while (viewer_.ReadPosition <= text.size() && takeColourMarker(s, all.sliced(viewer_.ReadPosition - 1))) {
        }
        return;
    }
    Metrics m = metrics(s);
    const bool anchor = takeAnchor(all.sliced(viewer_.ReadPosition - 1));

    // The character to show: the anchor's mark, a whole surrogate pair, or one unit.
    const qsizetype i = viewer_.ReadPosition - 1;
    const int units = (!anchor && IsSurrogatePair(all, i)) ? 2 : 1;
    const QStringView glyph = anchor ? QStringView(kAnchorGlyph) : all.sliced(i, units);

    if (viewer_.LinkTextOn) {
        if (takeLinkCharacter(s, glyph))
            return;
    } else if (marked::MarkerAt(all, i, marked::kLink)) {
        startLink(s, m, glyph);
    }
    viewer_.PageText += glyph;
    if (glyph[0] == u'\r')
        lineBreak(m, glyph);
    if (page_.AfterBreak < 1)
        ordinaryCharacter(s, m, glyph, units);
    else
        skipBlankLines(m, glyph);
}

void CharacterRenderer::startPage(Surface& s)
{
    viewer_.LinkTextOn = false;
    viewer_.HighlightOn = false;
    viewer_.FontColourOn = false;
    Colour c = viewer_.TextColour;
    int32_t flag = 99;
    Irohenge(c, flag);
    s.setForeColor(pop());
    // Markup read just before the previous page ended is read again here.
    viewer_.ReadPosition -= page_.SkippedMarkup;
    page_.LinkCount[0] = 0;
    page_.LinkCount[1] = 0;
    page_.SkippedMarkup = 0;
    page_.PenPos.X = 1; // one twip: the page has begun
}

void CharacterRenderer::endOfText()
{
    host_.SetTimer1Enabled(false);
    lastStop_ = Stop::EndOfText;
    page_.CurrentLine = QStringLiteral("0");
    page_.LinkCount[1] = page_.LinkCount[0];
    page_.LinkCount[0] = 0;
    page_.LinkCount[2] = kNoSelectedLink;
    status_.line_print();
    pop();
    viewer_.ReadPosition -= page_.SkippedMarkup;
    page_.SkippedMarkup = 0;
}

void CharacterRenderer::pageFull()
{
    status_.line_print();
    host_.SetTimer1Enabled(false);
    lastStop_ = Stop::PageFull;
    // A link whose first letter did not fit belongs to the next page: its box would lie
    // over the status line, where pointing at it would show and follow a link not on screen.
    if (linkStartedHere_)
        page_.LinkCount[0] -= 1;
    page_.LinkCount[1] = page_.LinkCount[0];
    page_.LinkCount[0] = 0;
    page_.LinkCount[2] = kNoSelectedLink;
    page_.CurrentLineLength = 0;
    viewer_.ReadPosition -= page_.SkippedMarkup;
    page_.SkippedMarkup = 0;
}

bool CharacterRenderer::takeColourMarker(Surface& s, QStringView at)
{
    // The font colour is applied after the highlight, so it wins where both are on.
    return takeMarkerPair(s, at, marked::kHighlightOn, marked::kHighlightOff, viewer_.HighlightOn,
                          marked::kHighlightColour)
        || takeMarkerPair(s, at, marked::kFontColourOn, marked::kFontColourOff,
                          viewer_.FontColourOn, marked::kFontColour);
}

bool CharacterRenderer::takeMarkerPair(Surface& s, QStringView at, QStringView onMarker,
                                       QStringView offMarker, bool& on, uint32_t colour)
{
    const bool marker = at[0] == u'\\';
    if (marker && at.startsWith(offMarker)) {
        on = false;
        s.setForeColor(pop()); // the colour in force before the run
        viewer_.ReadPosition += 3;
        page_.SkippedMarkup = 0;
        return true;
    }
    if (on)
        s.setForeColor(colour);
    if (marker && at.startsWith(onMarker)) {
        on = true;
        push(s.ForeColor());
        s.setForeColor(colour);
        viewer_.ReadPosition += 3;
        page_.SkippedMarkup += 3; // read again if the page ends before the next character
        return true;
    }
    return false;
}

bool CharacterRenderer::takeAnchor(QStringView at)
{
    if (!at.startsWith(marked::kAnchor))
        return false;
    // The whole marker up to its "}" becomes one mark. Without a "}" only the marker itself
    // is taken, so the layout still moves forward and the name is shown as text.
    const qsizetype close = at.indexOf(u'}');
    const qsizetype offset = close >= 0 ? close : marked::kAnchor.size() - 1;
    page_.SkippedMarkup += int32_t(offset);
    viewer_.ReadPosition += int32_t(offset);
    return true;
}

bool CharacterRenderer::takeLinkCharacter(Surface& s, QStringView glyph)
{
    const char16_t ch = glyph[0].unicode();
    if (ch == u'\\' || ch == u'{' || ch == u'}' || (ch >= u'0' && ch <= u'9')) {
        viewer_.ReadPosition += 1;
        return true;
    }
    if (ch == u' ') { // the space that ends the marker
        if (!page_.MeasureOnly)
            s.setForeColor(pop());
        viewer_.LinkTextOn = false;
        viewer_.ReadPosition += 1;
        return true;
    }
    if (!page_.MeasureOnly)
        s.setForeColor(marked::kLinkColour);
    page_.LinkUrlBuffer += glyph;
    return false;
}

void CharacterRenderer::startLink(Surface& s, const Metrics& m, QStringView glyph)
{
    const std::optional<QString> url = links_.Resolve(viewer_.CurrentText, viewer_.ReadPosition - 1);
    if (!url)
        return; // no list entry: the marker is shown as ordinary text
    const PenPosition& pen = page_.PenPos;
    // A page holds at most kMaxPageLinks clickable links; later ones are drawn only.
    const int32_t n = page_.LinkCount[0];
    if (n >= 0 && n < kMaxPageLinks) {
        page_.LinkRect[size_t(n)] = {ToInt32(pen.X), ToInt32(pen.Y),
                                     ToInt32(pen.X + Fix(s.TextWidth(u"URL") + m.px)),
                                     ToInt32(pen.Y + s.TextHeight(u"URL ") + m.px)};
        page_.LinkUrl[size_t(n)] = *url;
        page_.LinkCount[0] = n + 1;
        linkStartedHere_ = true;
    }
    int32_t& next = viewer_.UrlRingNext;
    if (next < 0 || next >= int32_t(viewer_.UrlRing.size()))
        next = 0;
    viewer_.UrlRing[size_t(next)] = *url;
    next = next + 1 >= int32_t(viewer_.UrlRing.size()) ? 0 : next + 1;
    viewer_.LinkTextOn = true;
    if (!page_.MeasureOnly) {
        push(s.ForeColor());
        s.setForeColor(marked::kLinkColour);
    }
    page_.LinkUrlBuffer = glyph.toString();
}

void CharacterRenderer::lineBreak(Metrics& m, QStringView glyph)
{
    page_.BreakRun += 1;
    // The CR and its LF; a CR without one does not swallow the next character.
    const QString& text = viewer_.CurrentText;
    const qsizetype next = viewer_.ReadPosition; // 0-based index of the character after CR
    viewer_.ReadPosition += (next < text.size() && text[next] != u'\n') ? 1 : 2;
    page_.CurrentLine += glyph;
    page_.CurrentLineLength += 1;
    if (page_.BreakRun > 1)
        m.lh = m.lh / 2;
    page_.PenPos = {0, page_.PenPos.Y + m.lh};
    page_.AfterBreak = 1;
    page_.LineWrapped = true;
}

void CharacterRenderer::ordinaryCharacter(Surface& s, const Metrics& m, QStringView glyph,
                                          int advance)
{
    page_.AfterBreak = 0;
    double cw = s.TextWidth(glyph) + m.px;
    PenPosition& pen = page_.PenPos;
    if (page_.BreakRun > 2 && !viewer_.ReturnMushi)
        pen.Y = m.bottomLimit; // three line breaks in a row end the page
    page_.BreakRun = 0;
    if (pen.Y >= m.bottomLimit) {
        pageFull(); // the character opens the next page
        return;
    }
    viewer_.ReadPosition += advance;
    if (glyph[0] == u'\t') {
        const int32_t stop = ToInt32(s.TextWidth(kTabStop));
        if (!page_.MeasureOnly && stop > 0)
            cw = double(stop) - double(ToInt32(pen.X) % stop);
    } else {
        if (!page_.MeasureOnly) {
            // The position counter follows each typed character; a page drawn at once gets
            // its counter with the status line at the page end.
            if (!page_.InstantRedraw)
                status_.line_print_mojisuu();
            status_.mojiretsu_kagehyouji(glyph.toString(), ToInt32(m.px), ToInt32(pen.X),
                                         ToInt32(pen.Y));
            page_.CurrentLine += glyph;
            page_.CurrentLineLength += 1;
        }
        // Also when only measuring: otherwise the replay at the page end would step back
        // over every marker of the page and measured pages would differ from drawn ones.
        page_.SkippedMarkup = 0;
    }
    pen.X += cw;
    if (pen.X + cw >= m.rightLimit) { // the character just placed stands for the next one
        pen = {0, pen.Y + m.lh};
        page_.LineWrapped = true;
    }
}

void CharacterRenderer::skipBlankLines(const Metrics& m, QStringView glyph)
{
    page_.AfterBreak = 0;
    const QString& text = viewer_.CurrentText;
    const qsizetype n = text.size();
    int skipped = 0;
    for (;;) {
        const qsizetype i = qsizetype(viewer_.ReadPosition) - 1;
        if (i < 0 || i >= n)
            break;
        qsizetype k = 0;
        while (i + k < n && IsBlank(text[i + k]))
            ++k;
        if (i + k >= n || (text[i + k] != u'\r' && text[i + k] != u'\n'))
            break; // the blanks begin the next line and are drawn
        page_.BreakRun += 1;
        page_.PenPos.Y += m.lh / 2;
        const bool lfFollows = i + k + 1 < n && text[i + k + 1] == u'\n';
        viewer_.ReadPosition += int32_t(lfFollows ? k + 2 : k + 1);
        ++skipped;
    }
    if (skipped == 1) {
        page_.CurrentLine += glyph;
        page_.CurrentLineLength += 1;
    }
}

void CharacterRenderer::push(uint32_t c)
{
    auto& st = viewer_.ColourStack;
    for (size_t k = st.size() - 1; k > 0; --k)
        st[k] = st[k - 1];
    st[0] = c;
}

uint32_t CharacterRenderer::pop()
{
    auto& st = viewer_.ColourStack;
    for (size_t k = 0; k + 1 < st.size(); ++k)
        st[k] = st[k + 1];
    return st[0];
}

void CharacterRenderer::Irohenge(uint32_t& colour, int32_t& flag)
{
    if (flag == 99) {
        for (size_t k = 0; k + 1 < viewer_.ColourStack.size(); ++k)
            viewer_.ColourStack[k] = colour;
        push(colour);
        flag = 0;
    } else if (flag == 0) {
        push(colour);
    } else if (flag == 1) {
        colour = pop();
    }
}
