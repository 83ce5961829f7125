#pragma once
// The result of one fetch for the callers that must know it (the browser window's status
// label, the URL macro, the command line): whether it failed, how, and what page it was.
#include <QString>

struct FetchOutcome {
    bool ok = false;               // the page loaded, was HTML and no HTTP error came back
    bool documentReplaced = false; // the page became the current document (also a 404 page)
    int httpStatus = 0;            // 0 when not HTTP or unknown
    QString error;                 // what went wrong, in Japanese; empty when ok
    QString title;                 // the page title (the URL when the page has none)
    QString url;                   // the normalised URL (PageUrl)
};
