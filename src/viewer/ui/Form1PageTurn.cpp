// The line-scroll page turn: the old page moves out line by line, then the new page is typed
// or drawn at once and slid into view from the page buffer.
#include "core/Notation.h"
#include "viewer/ui/Form1.h"

Form1::Metrics Form1::AreaMetrics(const Surface& s, double extra) const
{
    Metrics m;
    m.sw = notation::Fix(s.TextWidth(u"▼") + extra);
    m.lh = notation::Fix(s.TextHeight(u"▼") + extra);
    m.right = s.ScaleWidth() - m.sw;
    m.bottom = s.ScaleHeight() - m.lh;
    return m;
}

void Form1::Scroll_start(int32_t direction)
{
    page_.ScrollState = {direction, 0};
    Timer(2).setInterval(5);
    Timer(3).setInterval(5);
    SetTimerEnabled(2, true);
    SetTimerEnabled(1, false);
}

void Form1::Timer2_Timer()
{
    if (!PassThrottle())
        return;
    scroll_animeprint();
    // Once the old page is out, a second step would move the new one.
    if (TimerEnabled(2))
        scroll_animeprint();
}

void Form1::scroll_animeprint()
{
    Surface& s = surface_;
    s.setScaleMode(Surface::ScaleMode::Pixels);
    const Metrics m = AreaMetrics(s, 1);
    page_.ScrollState[1] = notation::ToInt32(page_.ScrollState[1] + m.lh);
    if (page_.ScrollState[0] == -1) {
        s.CopyRect(0, m.lh, m.right, m.bottom - m.lh, s, 0, 0);
        s.FillBox(0, 0, m.right, m.lh, s.BackColor());
    } else if (page_.ScrollState[0] == 1) {
        s.CopyRect(0, 0, m.right, m.bottom - m.lh, s, 0, m.lh);
        s.FillBox(0, m.bottom - m.lh, m.right, m.bottom, s.BackColor());
    }
    if (page_.ScrollState[1] >= m.bottom) {
        SetTimerEnabled(2, false);
        viewer_.PageText.clear();
        SetTimerEnabled(1, true);
    }
    s.setScaleMode(Surface::ScaleMode::Twips);
    if (page_.RedrawAfterScroll && !TimerEnabled(2))
        Shunkan_Hyouji();
}

void Form1::Timer3_Timer()
{
    if (!PassThrottle())
        return;
    Surface& s = surface_;
    s.setScaleMode(Surface::ScaleMode::Pixels);
    pageBuffer_.setScaleMode(Surface::ScaleMode::Pixels);
    const Metrics m = AreaMetrics(s, 1);
    if (page_.ScrollState[1] == 0) {
        pageBuffer_.CopyRect(0, 0, m.right, s.ScaleHeight(), s, 0, 0);
        s.FillBox(0, 0, m.right, m.bottom, s.BackColor());
    }
    page_.ScrollState[1] = notation::ToInt32(page_.ScrollState[1] + 1.5 * m.lh);
    if (page_.ScrollState[0] == 0)
        page_.ScrollState[0] = -1;
    if (page_.ScrollState[1] >= m.bottom) {
        page_.ScrollState[1] = notation::ToInt32(m.bottom);
        SetTimerEnabled(3, false);
        page_.PageTurnBusy = false;
    }
    const double band = page_.ScrollState[1];
    if (page_.ScrollState[0] == -1)
        s.CopyRect(0, 0, m.right, band, pageBuffer_, 0, m.bottom - band);
    else if (page_.ScrollState[0] == 1)
        s.CopyRect(0, m.bottom - band, m.right, band, pageBuffer_, 0, 0);
    s.Refresh();
    s.setScaleMode(Surface::ScaleMode::Twips);
    pageBuffer_.setScaleMode(Surface::ScaleMode::Twips);
}
