#include "viewer/Pagination.h"
#include <algorithm>

#include "viewer/CharacterRenderer.h"
#include "viewer/RendererHost.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"

bool MeasurePage(ViewerState& viewer, ViewerPageState& page, RendererHost& host,
                 CharacterRenderer& renderer)
{
    const bool wasMeasuring = page.MeasureOnly;
    page.MeasureOnly = true;
    page.PenPos = {0, 0};
    viewer.PageText.clear();
    host.SetTimer1Enabled(true);
    // Every call that keeps the timer on moves forward by at least one character, so a page
    // takes at most about one call per remaining character; the limit is only a safety net.
    const int64_t remaining = int64_t(viewer.CurrentText.size()) - viewer.ReadPosition;
    int64_t budget = std::max<int64_t>(remaining, 0) + 64;
    while (host.Timer1Enabled() && budget-- > 0)
        renderer.Hitomoji_Print();
    host.SetTimer1Enabled(false);
    page.MeasureOnly = wasMeasuring;
    return renderer.LastStop() == CharacterRenderer::Stop::PageFull;
}

PageStarts MeasurePageStarts(ViewerState& viewer, ViewerPageState& page, RendererHost& host,
                             CharacterRenderer& renderer, int64_t maxPages)
{
    PageStarts out;
    while (int64_t(out.starts.size()) < maxPages) {
        const int32_t start = viewer.ReadPosition;
        out.starts.push_back(start);
        if (!MeasurePage(viewer, page, host, renderer))
            break;
        if (viewer.ReadPosition <= start) {
            out.stalled = true;
            break;
        }
    }
    return out;
}
