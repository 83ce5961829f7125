#pragma once
// What the browser window needs from windows above it: the viewer (its command dispatcher,
// redraw and button bar), the term search (anchor jumps and its search-after-load box), the
// display settings' colour, and the one page fetcher of the program. The application object
// implements it; the browser window includes no header of theirs.
#include <QString>

class PageFetcher;
struct FileProblem;

class BrowserHost {
public:
    virtual ~BrowserHost() = default;

    // The viewer's fetch-completed command (key 85, Shift 90): type the new text from its start.
    virtual void FetchCompleted() = 0;
    virtual void FormRedraw() = 0;
    // The viewer's button bar panel, disabled while a page loads.
    virtual void SetViewerPanelEnabled(bool enabled) = 0;
    // The display settings re-apply the chosen text colour without a redraw.
    virtual void Option1_NoRedraw() = 0;

    // The term search: finds text (mode 0 from the position on, 1 from the start); true when found.
    virtual bool Finder(int mode, const QString& text) = 0;
    // Its box "URLの読み込み後、この検索を一度行う。" and the search it then runs once.
    virtual bool SearchAfterFetch() const = 0;
    virtual void RunTermSearch() = 0;

    // A clip file that could not be written: the user is told (the viewer's status line).
    virtual void FileNotSaved(const FileProblem& problem) = 0;

    // The program's page fetcher, made at the first call; null (and error set) when the
    // engine cannot be loaded.
    virtual PageFetcher* Fetcher(QString& error) = 0;
};
