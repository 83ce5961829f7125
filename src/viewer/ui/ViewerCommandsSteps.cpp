#include "viewer/ui/ViewerCommandsSteps.h"

#include "core/Notation.h"
#include "core/Surface.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"
#include "viewer/ui/ViewerCommandsWindow.h"

namespace viewercommands {

namespace {

// Every renderer call consumes at least one character or ends the page; the slack covers
// the calls that only consume markup or report the end.
int64_t StepBound(const ViewerState& viewer) { return 2 * int64_t(viewer.CurrentText.size()) + 64; }

} // namespace

int32_t PageOnScreenStart(ViewerState& viewer)
{
    const int32_t start = notation::ToInt32(notation::Val(viewer.PageStartList));
    if (start >= 1)
        return start;
    viewer.PageStartList = QStringLiteral("1");
    return 1;
}

void RecordPageStart(ViewerState& viewer)
{
    if (notation::Val(viewer.PageStartList) != viewer.ReadPosition)
        viewer.PageStartList = QString::number(viewer.ReadPosition) + u',' + viewer.PageStartList;
}

void RunTimer1Step(ViewerCommandsWindow& window)
{
    ViewerPageState& page = window.page();
    page.TickNow = true;
    window.Timer1_Timer();
    page.TickNow = false;
}

void StartOffscreenTurn(ViewerCommandsWindow& window, int32_t direction)
{
    window.page().ScrollState[0] = direction;
    window.viewer().PageText.clear();
    window.SetTimer1Enabled(true);
    RunTimer1Step(window);
}

void FinishPage(ViewerCommandsWindow& window)
{
    for (int64_t n = StepBound(window.viewer()); n > 0 && window.Timer1Enabled(); --n)
        RunTimer1Step(window);
    if (window.Timer1Enabled()) {
        window.SetTimer1Enabled(false);
        window.page().PageTurnBusy = false;
    }
}

void LayOutRestOfPage(ViewerCommandsWindow& window)
{
    for (int64_t n = StepBound(window.viewer()); n > 0 && window.Timer1Enabled(); --n)
        window.Hitomoji_Print();
    window.SetTimer1Enabled(false);
}

void StartNewText(ViewerCommandsWindow& w)
{
    ViewerState& v = w.viewer();
    v.ReadPosition = 1;
    w.page().PenPos = PenPosition{};
    if (v.Canvas)
        v.Canvas->Cls();
    v.PageStartList = QStringLiteral("1");
    v.PageText.clear();
    w.SetTimer1Enabled(true);
}

} // namespace viewercommands
