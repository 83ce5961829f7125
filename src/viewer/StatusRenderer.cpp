#include "viewer/StatusRenderer.h"

#include "core/Notation.h"
#include "core/Surface.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"

#include <algorithm>

using notation::Fix;
using notation::ToInt32;

namespace {

constexpr QStringView kMetricGlyph = u"▼";
const QString kHelp = QStringLiteral(" Esc:Quit S:Setting L:URL ");

// Restores the canvas's drawing colour on every way out.
class ForeColourGuard {
public:
    explicit ForeColourGuard(Surface& s) : s_(s), saved_(s.ForeColor()) {}
    ~ForeColourGuard() { s_.setForeColor(saved_); }
    ForeColourGuard(const ForeColourGuard&) = delete;
    ForeColourGuard& operator=(const ForeColourGuard&) = delete;

private:
    Surface& s_;
    Colour saved_;
};

QString ZeroPadded(qint64 n, int digits)
{
    return notation::Right(QString(digits, u'0') + QString::number(n), digits);
}

} // namespace

struct StatusRenderer::Metrics {
    double px;      // twips per pixel
    double lh;      // height of the status line
    double W;       // surface width
    double statusY; // top of the status line
};

uint32_t ShadowColourFor(uint32_t drawingColour, int shift)
{
    auto component = [&](int byteIndex) {
        const int v = int((drawingColour >> (8 * byteIndex)) & 0xFF) + shift * 180;
        return uint32_t(std::clamp(v, 1, 255));
    };
    return component(0) | (component(1) << 8) | (component(2) << 16);
}

StatusRenderer::StatusRenderer(ViewerState& viewer, ViewerPageState& page)
    : viewer_(viewer), page_(page)
{
}

StatusRenderer::Metrics StatusRenderer::metrics(const Surface& s) const
{
    Metrics m;
    m.px = s.twipsPerPixel();
    m.lh = Fix(s.TextHeight(kMetricGlyph) + m.px);
    m.W = s.ScaleWidth();
    m.statusY = s.ScaleHeight() - m.lh;
    return m;
}

void StatusRenderer::mojiretsu_kagehyouji(const QString& text, int32_t offset, int32_t x, int32_t y)
{
    if (!viewer_.Canvas)
        return;
    Surface& s = *viewer_.Canvas;
    if (viewer_.ShadowColour == 0)
        viewer_.ShadowColour = ShadowColourFor(s.ForeColor(), viewer_.ShadowShift);
    const Colour drawing = s.ForeColor();
    s.setForeColor(viewer_.ShadowColour);
    s.PrintAt(double(x) + offset, double(y) + offset, text);
    s.setForeColor(drawing);
    s.PrintAt(x, y, text);
}

QString StatusRenderer::BuildStatusText(double surfaceWidth) const
{
    const bool helpFits = !viewer_.Canvas || viewer_.Canvas->TextWidth(kHelp) <= surfaceWidth / 3;
    QString text = ZeroPadded(viewer_.IdleTimer[0], 3) + u'/' + QString::number(viewer_.IdleTimer[1])
        + (helpFits ? kHelp : QString()) + QStringLiteral("Z:速 ")
        + QString::number(viewer_.MessageSpeed) + u' ';
    if (!viewer_.ReturnMushi)
        text += QStringLiteral("A:連改 ");
    if (viewer_.AlwaysOnTop)
        text += QStringLiteral("手前 ");
    return text;
}

QString StatusRenderer::PositionCounter() const
{
    const QString& text = viewer_.CurrentText;
    const int32_t pos = viewer_.ReadPosition;
    QString counter = ZeroPadded(pos, 8) + u'/' + ZeroPadded(text.size(), 8);
    if (text.isEmpty() || pos < 1 || pos > text.size())
        counter += QStringLiteral("[EOF]  ");
    else if (viewer_.PageStartList != QLatin1String("1"))
        counter += QStringLiteral(" ▲▼");
    else
        counter += QStringLiteral(" 　▼");
    return counter;
}

void StatusRenderer::line_print()
{
    if (page_.MeasureOnly || !viewer_.Canvas)
        return;
    Surface& s = *viewer_.Canvas;
    ForeColourGuard guard(s);
    s.setForeColor(viewer_.TextColour);
    const Metrics m = metrics(s);
    page_.StatusText = BuildStatusText(m.W);
    const QString left = page_.StatusText + u':' + page_.StatusMessage;
    s.FillBox(0, m.statusY, Fix(s.TextWidth(left)), m.statusY + m.lh, s.BackColor());
    mojiretsu_kagehyouji(left, ToInt32(m.px), 0, ToInt32(m.statusY));
    drawCounter(s, m, false);
    drawSeparator(m);
    line_print_Color();
}

void StatusRenderer::line_print_mojisuu()
{
    if (page_.MeasureOnly || !viewer_.Canvas)
        return;
    Surface& s = *viewer_.Canvas;
    ForeColourGuard guard(s);
    s.setForeColor(viewer_.TextColour);
    const Metrics m = metrics(s);
    drawCounter(s, m, true);
    drawSeparator(m);
}

void StatusRenderer::drawCounter(const Surface& s, const Metrics& m, bool rectWithPx)
{
    const QString counter = PositionCounter();
    const double w = s.TextWidth(counter);
    if (!(w < m.W / 2))
        return; // the window is too narrow for it
    const double left = m.W - Fix(rectWithPx ? w + m.px : w);
    viewer_.Canvas->FillBox(left, m.statusY, m.W, m.statusY + m.lh, s.BackColor());
    mojiretsu_kagehyouji(counter, ToInt32(m.px), ToInt32(m.W - Fix(m.px + w)), ToInt32(m.statusY));
}

void StatusRenderer::drawSeparator(const Metrics& m)
{
    viewer_.Canvas->Line(0, m.statusY + 10, m.W, m.statusY + 10, 0);
}

void StatusRenderer::line_print_Color()
{
    if (page_.MeasureOnly || !viewer_.Canvas)
        return;
    Surface& s = *viewer_.Canvas;
    ForeColourGuard guard(s);
    const Metrics m = metrics(s);
    const double g = Fix(s.TextWidth(kMetricGlyph)) / 3;
    const double right = m.W - g;
    const double bottom = m.statusY - 2 * m.px;
    const double x1 = right - 10;
    const double x2 = right - g;
    s.FillBox(x1 + m.px, m.px, x2 + m.px, bottom + m.px, viewer_.ShadowColour);
    s.FillBox(x1, 0, x2, bottom, s.BackColor());
    s.FillBox(x1, 0, x2, bottom, viewer_.ShadowColour);
    s.Box(x1, 0, x2, bottom, s.ForeColor());
    if (viewer_.CurrentText.isEmpty())
        viewer_.CurrentText = QStringLiteral(" ");
    const double length = double(viewer_.CurrentText.size());
    const double pos = viewer_.ReadPosition;
    const double p = notation::Int(bottom * pos / length);
    const double q = notation::Int(bottom * (pos - notation::Val(viewer_.PageStartList)) / length);
    s.FillBox(x1, p - q, x2, p, s.ForeColor());
}
