#include "web/PageHistoryPush.h"

#include <algorithm>

namespace {

void CopySlot(PageHistory& h, int from, int to)
{
    h.PageUrl[to] = h.PageUrl[from];
    h.PageStartList[to] = h.PageStartList[from];
    h.CurrentText[to] = h.CurrentText[from];
    h.ReadPosition[to] = h.ReadPosition[from];
    h.PageHtml[to] = h.PageHtml[from];
    h.PageRequestUrl[to] = h.PageRequestUrl[from];
    h.PageTitle[to] = h.PageTitle[from];
}

} // namespace

void PushPageHistory(PageHistory& history, const PageRecord& page, const ViewerState& viewer)
{
    // The slot limits follow from the depth; a depth the arrays cannot hold would index past
    // them, so it is kept to what 61 slots allow.
    const int depth = std::clamp(history.HistoryDepth, 1, PageHistory::kCurrent);
    history.PageUrl[depth] = page.PageUrl;
    history.PageStartList[depth] = viewer.PageStartList;
    history.CurrentText[depth] = viewer.CurrentText;
    history.ReadPosition[depth] = viewer.ReadPosition;
    history.PageHtml[depth] = page.PageHtml;
    history.PageRequestUrl[depth] = page.PageRequestUrl;
    history.PageTitle[depth] = page.PageTitle;
    for (int i = 2 * depth - 1; i >= depth; --i)
        CopySlot(history, i, i + 1);
    for (int i = 0; i <= depth - 1; ++i)
        history.clearSlot(i);
}
