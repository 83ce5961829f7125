// Typing a page character by character, and drawing a page at once.
#include <algorithm>

#include "core/Notation.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/Form1Hooks.h"

bool Form1::PassThrottle()
{
    // Animation steps come no closer than TickIntervalMs, whatever the timer intervals.
    if (!page_.TickNow) {
        const double now = clock_();
        if (now < viewer_.LastTickTime + viewer_.TickIntervalMs)
            return false;
        viewer_.LastTickTime = now;
        return true;
    }
    viewer_.LastTickTime = clock_();
    return true;
}

void Form1::Timer1_Timer()
{
    if (!PassThrottle())
        return;
    viewer_.Canvas = &surface_;
    if (!Timer1Enabled())
        return;
    if (viewer_.MessageSpeed != 0 && page_.ScrollState[0] != -1)
        TypeCharacters();
    else
        HandOverToScroll();
}

void Form1::TypeCharacters()
{
    // Speeds above 10 (a hand-edited Setting.ini) would type nothing: at least one
    // character per tick keeps the page moving.
    const int64_t perTick = std::clamp<int64_t>(11 - int64_t(viewer_.MessageSpeed), 1, 10);
    for (int64_t i = 0; i < perTick && Timer1Enabled(); ++i) {
        page_.PageTurnBusy = false;
        Hitomoji_Print();
    }
}

void Form1::HandOverToScroll()
{
    page_.ScrollOrigin = {page_.PenPos.Y, 0};
    if (notation::Val(viewer_.PageStartList) != viewer_.ReadPosition)
        viewer_.PageStartList = QString::number(viewer_.ReadPosition) + u',' + viewer_.PageStartList;
    SetTimerEnabled(5, true);
    SetTimerEnabled(1, false);
}

void Form1::LayOutWholePage(Surface& canvas)
{
    canvas.Cls();
    viewer_.PageText.clear();
    SetTimer1Enabled(true);
    page_.PenPos = {0, 0};
    // Every call moves through the text or ends the page; the cap only guards against a
    // page that would never end.
    const int64_t cap = 4 * int64_t(viewer_.CurrentText.size()) + 100000;
    for (int64_t calls = 0; Timer1Enabled() && calls < cap; ++calls)
        Hitomoji_Print();
    SetTimer1Enabled(false);
}

void Form1::Shunkan_Hyouji()
{
    viewer_.Canvas = &surface_;
    page_.RedrawAfterScroll = false;
    LayOutWholePage(surface_);
    page_.ScrollState[1] = 0;
    if (pageBuffer_.widthPx() != surface_.widthPx() || pageBuffer_.heightPx() != surface_.heightPx())
        pageBuffer_.resize(surface_.widthPx(), surface_.heightPx());
    if (viewer_.PageStartList == u"1" || viewer_.PageStartList.isEmpty() || page_.InstantRedraw) {
        page_.InstantRedraw = false;
        return;
    }
    SetTimerEnabled(3, true);
    Timer3_Timer();
}

void Form1::FormRedraw()
{
    if (viewer_.StartupDone)
        RedrawFromPageStart();
}

void Form1::RedrawFromPageStart()
{
    viewer_.ReadPosition = notation::ToInt32(notation::Val(viewer_.PageStartList));
    if (viewer_.ReadPosition < 1) {
        viewer_.ReadPosition = 1;
        viewer_.PageStartList = QStringLiteral("1");
    }
    const int32_t speed = viewer_.MessageSpeed;
    page_.InstantRedraw = true;
    viewer_.MessageSpeed = 1;
    Shunkan_Hyouji();
    viewer_.MessageSpeed = speed;
}
