#include "web/PageHistoryMoves.h"

namespace {

constexpr int kCurrent = PageHistory::kCurrent;
constexpr int kLast = PageHistory::kSlots - 1;

void RestoreCurrent(const PageHistory& h, PageRecord& page, ViewerState& viewer)
{
    page.PageUrl = h.PageUrl[kCurrent];
    viewer.PageStartList = h.PageStartList[kCurrent];
    viewer.CurrentText = h.CurrentText[kCurrent];
    viewer.ReadPosition = h.ReadPosition[kCurrent];
    page.PageHtml = h.PageHtml[kCurrent];
    page.PageRequestUrl = h.PageRequestUrl[kCurrent];
    page.PageTitle = h.PageTitle[kCurrent];
}

} // namespace

bool HistoryBack(PageHistory& history, PageRecord& page, ViewerState& viewer)
{
    if (!history.occupied(kCurrent + 1))
        return false;
    history.store(kCurrent, page, viewer);
    // Emptied after the shift, not before: the oldest back entry moves down to 59 and stays.
    for (int i = 0; i < kLast; ++i)
        history.copySlot(i + 1, i);
    history.clearSlot(kLast);
    RestoreCurrent(history, page, viewer);
    return true;
}

bool HistoryForward(PageHistory& history, PageRecord& page, ViewerState& viewer)
{
    if (!history.occupied(kCurrent - 1))
        return false;
    history.store(kCurrent, page, viewer);
    for (int i = kLast - 1; i >= 0; --i)
        history.copySlot(i, i + 1);
    history.clearSlot(0);
    RestoreCurrent(history, page, viewer);
    return true;
}

void ClearPageHistory(PageHistory& history)
{
    for (int i = 0; i < PageHistory::kSlots; ++i)
        if (i != kCurrent)
            history.clearSlot(i);
}
