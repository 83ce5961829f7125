#pragma once
// The embedded browser as the page fetch sees it: load one URL, wait for it with events
// running, and hand back what the loaded document holds. The real one is the Qt WebEngine
// page in web/engine, loaded at the first fetch (PageFetcherLoader); tests may stand in.
#include <QString>

// What one load left behind.
struct LoadedPage {
    enum class Result {
        Loaded,     // the document completed
        TimedOut,   // the time limit ended the wait; the fields hold what the engine had
        Failed,     // the engine could not load it (no connection, DNS, redirect loop...)
        Download,   // the URL leads to a download, which is never made
    };
    Result result = Result::Failed;
    int httpStatus = 0;    // 0 when the page did not come over HTTP or the engine did not say
    QString errorText;     // the engine's own words for a failure
    bool hasBody = false;  // the document had a body that could be read
    QString bodyHtml;      // body.innerHTML
    QString title;         // the page title, or its URL when it has none
    QString documentUrl;   // document.URL
    QString pathname;      // location.pathname
    QString headHtml;      // head.innerHTML, for the <base href> rule
    QString contentType;   // document.contentType ("text/html", "image/png"...)
};

class PageFetcher {
public:
    virtual ~PageFetcher() = default;
    // Loads url and waits, letting events run, until the document completes or the time
    // limit passes; then the page is left for a blank one. Never re-entered: callers guard.
    virtual LoadedPage Load(const QString& url) = 0;
    // The longest wait for one load, in milliseconds (30 s unless set).
    virtual void SetTimeLimit(int milliseconds) = 0;
    virtual int TimeLimit() const = 0;
};

inline constexpr int kDefaultFetchTimeLimitMs = 30000;
