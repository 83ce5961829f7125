#include "web/PageHistoryPush.h"

#include <algorithm>

void PushPageHistory(PageHistory& history, const PageRecord& page, const ViewerState& viewer)
{
    // The slot limits follow from the depth; a depth the arrays cannot hold would index past
    // them, so it is kept to what 61 slots allow.
    const int depth = std::clamp(history.HistoryDepth, 1, PageHistory::kCurrent);
    history.store(depth, page, viewer);
    for (int i = 2 * depth - 1; i >= depth; --i)
        history.copySlot(i, i + 1);
    for (int i = 0; i <= depth - 1; ++i)
        history.clearSlot(i);
}
