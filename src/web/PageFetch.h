#pragma once
// FetchPage: loads one URL through the embedded browser and makes the page the current
// document: the body HTML in viewer.CurrentText and page.PageHtml, the page record filled,
// the document before it pushed onto the page history. The caller converts right after.
// A page that cannot be taken (refused URL, load error, not HTML, nothing before the time
// limit) leaves the document, the page record and the history as they were.
#include <QString>
#include <functional>

#include "state/PageHistory.h"
#include "state/PageRecord.h"
#include "state/ViewerState.h"
#include "web/FetchOutcome.h"
#include "web/PageFetcher.h"

struct PageFetchContext {
    ViewerState& viewer;
    PageRecord& page;
    PageHistory& history;
    // Re-applies the chosen text colour to the viewer before the load; may be empty.
    std::function<void()> beforeLoad;
};

// url: as typed; on return the normalised URL (PageUrl) when the page was taken.
FetchOutcome FetchPage(PageFetcher& fetcher, QString& url, const PageFetchContext& context);

// The message for a load that gave no page to take, in Japanese.
QString FetchFailureText(const LoadedPage& loaded, const QString& url, int timeLimitMs);
