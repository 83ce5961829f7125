#pragma once
// The URL macro's pages, fetched through the browser window as its go command does. A page
// that came back with an HTTP error counts as failed even though the browser shows it.
#include <QStringLiteral>
#include <functional>

#include "AppBrowser.h"
#include "library/MacroPageSource.h"
#include "web/FetchOutcome.h"

class BrowserMacroPageSource final : public MacroPageSource {
public:
    explicit BrowserMacroPageSource(std::function<AppBrowser&()> browser) : browser_(std::move(browser)) {}

    Page FetchMacroPage(const QString& url) override
    {
        const FetchOutcome outcome = browser_().Window().FetchAndWait(url);
        if (outcome.ok)
            return {true, outcome.title, {}};
        QString why = outcome.error;
        if (why.isEmpty())
            why = QStringLiteral("ページを読み込めませんでした。");
        return {false, outcome.title, why};
    }

private:
    std::function<AppBrowser&()> browser_;
};
