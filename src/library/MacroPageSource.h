#pragma once
// Where the URL macro gets its pages: the browser window's go command (or, on the command
// line, the same fetch without a window). One call loads one URL and returns when the page
// is in or the fetch has failed, letting window events run while it waits.
#include <QString>

class MacroPageSource {
public:
    virtual ~MacroPageSource() = default;

    struct Page {
        bool ok = false;
        QString title;   // the page's title, as the browser names it
        QString failure; // why it failed, for the user (Japanese); empty on success
    };

    // Fetches and converts the page at url as the browser's go command does. On success the
    // page is the current document: the viewer's current text holds it and clip.html and
    // clip.utx are written. A failure (no connection, an HTTP status of 400 or above, not an
    // HTML page, the time limit) leaves the current document as it was.
    virtual Page FetchMacroPage(const QString& url) = 0;
};
