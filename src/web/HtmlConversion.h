#pragma once
// Page HTML to marked text for the windows: ConvertHtmlToText turns viewer.CurrentText (the
// body HTML of the page in page) into the marked text the viewer reads, with the numbered URL
// list at its end. The conversion itself is convert/HtmlToMarkedText; this side stores the
// clip files first and speaks QString.
#include <QString>
#include <functional>

#include "core/FileProblems.h"
#include "core/ProgramPaths.h"
#include "state/ViewerState.h"
#include "state/PageRecord.h"

struct ConversionCallbacks {
    std::function<void(const QString& caption)> showProgress; // the status label
    std::function<void()> letEventsRun;                       // the event loop
};

struct HtmlConversionHooks {
    // Stores the page before it is converted (the clip files); receives viewer.CurrentText.
    // Left empty, nothing is stored.
    std::function<void(QString& currentText)> saveClipHtml;
    // The browser window's status label and its event loop.
    ConversionCallbacks progress;
};

// The saveClipHtml hook that writes clip.html and clip.utx of the program at paths; a file
// that cannot be written goes to failed (the caller tells the user).
std::function<void(QString&)> ClipHtmlSaver(const ProgramPaths& paths, const PageRecord& page,
                                             const ViewerState& viewer,
                                             std::function<void(const FileProblem&)> failed = {});

// Converts viewer.CurrentText in place. Reads page.PageTitle, PageRequestUrl, PageBaseUrl;
// sets page.PageTextLength and cuts page.PageUrl back to its folder at the first relative
// link. While it runs, viewer.CurrentText is empty; events run from the hooks must not start
// another conversion.
void ConvertHtmlToText(ViewerState& viewer, PageRecord& page, const HtmlConversionHooks& hooks = {});
