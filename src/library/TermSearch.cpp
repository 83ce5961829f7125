#include "library/TermSearch.h"

#include "core/Notation.h"
#include "library/TextFolding.h"
#include "state/ViewerState.h"

namespace termsearch {

int32_t PageListHead(const ViewerState& viewer) { return notation::ToInt32(notation::Val(viewer.PageStartList)); }

Result SearchForward(ViewerState& viewer, QStringView term, const PageStep& step, const Progress& progress)
{
    Result r;
    r.found = int32_t(textfolding::InStrFolded(viewer.ReadPosition, viewer.CurrentText, term));
    if (r.found < 1)
        return r;
    for (;;) {
        const int32_t before = viewer.ReadPosition;
        if (step(r.found))
            break;
        // A page that takes no character (a window too small for one) would never get there.
        if (viewer.ReadPosition <= before)
            break;
        if (progress)
            progress(PageListHead(viewer), r.found);
    }
    r.pageStart = PageListHead(viewer);
    return r;
}

Result SearchBackward(ViewerState& viewer, QStringView term, const Progress& progress)
{
    Result r;
    const qsizetype pageOnScreen = qsizetype(viewer.ReadPosition) - viewer.PageText.size();
    r.found = int32_t(textfolding::InStrRev(viewer.CurrentText, term, pageOnScreen));
    if (r.found < 1)
        return r;
    // The list is walked with an offset and cut once: a long list is not copied per page.
    const QString& list = viewer.PageStartList;
    qsizetype head = 0;
    for (;;) {
        const qsizetype comma = list.indexOf(u',', head);
        // The oldest page is the last to go: without a "," the list stays as it is.
        if (comma < 0)
            break;
        head = comma + 1;
        const double start = notation::Val(QStringView(list).mid(head));
        if (r.found >= start)
            break;
        if (progress)
            progress(notation::ToInt32(start), r.found);
    }
    viewer.PageStartList.remove(0, head);
    r.pageStart = PageListHead(viewer);
    viewer.ReadPosition = r.pageStart;
    return r;
}

} // namespace termsearch
