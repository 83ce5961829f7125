// Hiding and showing the viewer with a fade, the idle count that hides it by itself, and the
// two orderly quits started from the tray and the main frame.
#include <limits>

#include "core/Notation.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/Form1Hooks.h"

namespace {

// Level of fade step `fraction` (0..5) at opacity `alfa` percent, halves to even:
// Alfa 50 gives 0, 26, 51, 76, 102, 128.
int32_t FadeLevel(int fraction, int32_t alfa)
{
    return notation::ToInt32(255 * (double(fraction) / 5 * alfa / 100));
}

} // namespace

void Form1::FormHihyouji()
{
    Timer6_kiru();
    // A second hide or show while one fades (the idle timer, a hotkey) waits its turn.
    if (page_.HideShowBusy)
        return;
    page_.HideShowBusy = true;
    FadeTo(!isVisible());
    page_.HideShowBusy = false;
}

void Form1::FadeTo(bool showing)
{
    if (showing) {
        show();
        activateWindow(); // keys go to the viewer again
        // Paint the page before it fades in: no events run during the fade.
        repaint();
    }
    if (viewer_.BackTouka) {
        SetWindowAlpha(viewer_.Alfa);
    } else {
        for (int i = 0; i <= 5; ++i) {
            SetWindowAlpha(FadeLevel(showing ? i : 5 - i, viewer_.Alfa));
            Pause(25);
        }
    }
    if (showing) {
        shared_.hooks.ApplyBackgroundTransparency(*this);
        shared_.hooks.ShowMainFrame();
    } else {
        hide();
        shared_.hooks.HideMainFrame();
    }
}

void Form1::Timer6_kiru() { viewer_.IdleTimer[0] = 0; }

void Form1::Timer6_Timer()
{
    if (viewer_.IdleTimer[0] < std::numeric_limits<int32_t>::max())
        viewer_.IdleTimer[0] += 1;
    viewer_.TickIntervalMs = 20;
    const int32_t closeTime = viewer_.IdleTimer[1];
    if (viewer_.IdleTimer[0] >= closeTime && closeTime > 0 && isVisible() &&
        shared_.hooks.ViewerCanComeBack())
        FormHihyouji();
    if (viewer_.RunMode > 9)
        line_print();
    else
        SetTimerEnabled(6, false);
}

void Form1::Timer4_Timer()
{
    if (isVisible())
        FormHihyouji();
    Form_Unload();
}

void Form1::Timer8_Timer() { Form_Unload(); }
