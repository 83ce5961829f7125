#include "viewer/ui/FindMojiretsu.h"

#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"
#include "viewer/ui/ViewerCommandsSteps.h"
#include "viewer/ui/ViewerCommandsWindow.h"

bool FindMojiretsu(ViewerCommandsWindow& window, int32_t Findmojilen)
{
    ViewerState& v = window.viewer();
    ViewerPageState& page = window.page();
    page.MeasureOnly = true;
    v.Canvas = &window.windowSurface();
    page.RedrawAfterScroll = false;
    v.PageText.clear();
    window.SetTimer1Enabled(true);
    page.PenPos = PenPosition{};
    viewercommands::RecordPageStart(v);
    v.PageText.clear();
    window.SetTimer1Enabled(true);
    viewercommands::LayOutRestOfPage(window);
    page.MeasureOnly = false;
    return v.ReadPosition >= Findmojilen;
}
