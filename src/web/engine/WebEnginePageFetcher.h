#pragma once
// The page fetcher on Qt WebEngine: one off-screen page with no view, in a profile of its
// own. Scripts run as in any browser, but nothing a page asks for reaches the user or the
// disk: no dialogs, windows, downloads or permissions.
#include <QString>
#include <memory>

#include "web/PageFetcher.h"
#include "web/engine/EngineEntry.h"

class QWebEngineProfile;
class QuietWebEnginePage;

class WebEnginePageFetcher final : public PageFetcher {
public:
    explicit WebEnginePageFetcher(const EngineOptions& options);
    ~WebEnginePageFetcher() override;

    LoadedPage Load(const QString& url) override;
    void SetTimeLimit(int milliseconds) override { timeLimitMs_ = milliseconds; }
    int TimeLimit() const override { return timeLimitMs_; }

private:
    struct Wait;
    void WaitForBlank();
    void WaitForDownloadNotice();
    bool WaitForLoad(const QString& url, Wait& wait);
    void ReadDocument(LoadedPage& page, int limitMs);
    void LeaveForBlank();

    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<QuietWebEnginePage> page_;
    int timeLimitMs_ = kDefaultFetchTimeLimitMs;
    bool blankPending_ = false;
    bool downloadRefused_ = false;
};
