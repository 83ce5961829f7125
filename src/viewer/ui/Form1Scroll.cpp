// The bottom-to-top scroll: the next page is laid out in the page buffer and moved onto the
// window one line per step (speed 0, and every backward page turn).
#include "core/Notation.h"
#include "viewer/ui/Form1.h"

void Form1::Timer5_Timer()
{
    Timer6_kiru();
    if (!PassThrottle())
        return;
    Scroll_ShitakaraUe();
    if (TimerEnabled(5))
        Scroll_ShitakaraUe();
}

void Form1::Scroll_ShitakaraUe()
{
    viewer_.LastTickTime = clock_();
    viewer_.Canvas = &pageBuffer_;
    if (page_.ScrollOrigin[1] == 0) {
        if (pageBuffer_.widthPx() != surface_.widthPx() || pageBuffer_.heightPx() != surface_.heightPx())
            pageBuffer_.resize(surface_.widthPx(), surface_.heightPx());
        LayOutWholePage(pageBuffer_);
    }
    Surface& s = surface_;
    s.setScaleMode(Surface::ScaleMode::Pixels);
    pageBuffer_.setScaleMode(Surface::ScaleMode::Pixels);
    const Metrics px = AreaMetrics(s, 3);
    const double offsetPx = page_.ScrollOrigin[1] / s.twipsPerPixel();
    if (page_.ScrollState[0] == -1) {
        s.CopyRect(0, px.lh, px.right, px.bottom - px.lh, s, 0, 0);
        s.CopyRect(0, 0, px.right, px.lh, pageBuffer_, 0, px.bottom - offsetPx - px.lh);
    } else if (page_.ScrollState[0] == 1) {
        s.CopyRect(0, 0, px.right, px.bottom - px.lh, s, 0, px.lh);
        s.CopyRect(0, px.bottom - px.lh, px.right, px.lh, pageBuffer_, 0, offsetPx);
    }
    s.setScaleMode(Surface::ScaleMode::Twips);
    pageBuffer_.setScaleMode(Surface::ScaleMode::Twips);
    const Metrics tw = AreaMetrics(s, 3 * s.twipsPerPixel());
    page_.ScrollOrigin[1] += tw.lh;
    SetTimerEnabled(1, false);
    if (page_.ScrollOrigin[1] >= tw.bottom) {
        s.CopyRect(0, 0, s.ScaleWidth(), s.ScaleHeight(), pageBuffer_, 0, 0);
        SetTimerEnabled(5, false);
    }
    viewer_.Canvas = &surface_;
}
