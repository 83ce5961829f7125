#pragma once
// The URL macro's run over its entries: each page is fetched and saved in the library under
// its title. A line whose title cannot be an entry name is skipped before fetching, a page
// that fails to load is not saved (the previous page's text never goes out under its
// title), and the run goes on to the end and sums up what was saved and what failed.
#include <QString>
#include <functional>
#include <vector>

#include "library/MacroFile.h"
#include "library/MacroPageSource.h"
#include "library/SavedTextLibrary.h"

struct MacroLineOutcome {
    MacroEntry entry;
    bool saved = false;
    QString reason; // why it failed
};

struct MacroSummary {
    std::vector<MacroLineOutcome> lines;
    int saved() const;
    int failed() const;
};

struct MacroRunHooks {
    // Saves the current document under the name (the library's save, without questions).
    std::function<LibraryResult(const QString& name)> save;
    // Before each entry: its index (0-based) and the number of entries.
    std::function<void(int index, int count, const MacroEntry& entry)> starting;
    // After each entry.
    std::function<void(const MacroLineOutcome& outcome)> done;
};

MacroSummary RunMacro(const std::vector<MacroEntry>& entries, MacroPageSource& source, const MacroRunHooks& hooks);

// One line of the run's report: "3行目 保存: タイトル" or "3行目 失敗: タイトル (理由)".
QString MacroLineText(const MacroLineOutcome& outcome);
// The closing line: how many were saved, and which lines failed.
QString MacroSummaryText(const MacroSummary& summary);
