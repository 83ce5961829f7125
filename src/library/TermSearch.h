#pragma once
// The term search's walks over the viewer's text. Forwards the text is laid out page by
// page, the way reading would lay it out, until the page holding the match; backwards the
// page-start list is walked back to the page holding it. Both work on the viewer state
// alone; the page step and the progress report come from the caller.
#include <QStringView>
#include <cstdint>
#include <functional>

struct ViewerState;

namespace termsearch {

// Lays out the next page silently and records its start on PageStartList; true when the
// position lies on the page just laid out or before it.
using PageStep = std::function<bool(int32_t position)>;
// Told after each page of a walk: the start of the page reached and the match position.
using Progress = std::function<void(int32_t pageStart, int32_t found)>;

struct Result {
    int32_t found = 0;     // 1-based position of the match; 0 when the term is not there
    int32_t pageStart = 0; // the start of the page holding it (the head of PageStartList)
};

// From ReadPosition on, letters compared regardless of case (see TextFolding). On a match,
// PageStartList ends with the page holding it at its head; nothing changes otherwise.
Result SearchForward(ViewerState& viewer, QStringView term, const PageStep& step, const Progress& progress);
// Before the start of the page on screen, exact comparison. On a match, the page starts
// after the page holding it are dropped from PageStartList and ReadPosition is set to its
// start; nothing changes otherwise.
Result SearchBackward(ViewerState& viewer, QStringView term, const Progress& progress);

// The head of PageStartList as a position.
int32_t PageListHead(const ViewerState& viewer);

} // namespace termsearch
