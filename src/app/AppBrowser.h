#pragma once
// The browser window as the application object provides it: made on first use, with the
// page fetcher made at the first fetch, and the viewer and term search reached for it.
#include <QString>
#include <memory>

#include "web/PageFetcher.h"
#include "web/ui/BrowserHost.h"
#include "web/ui/Form3.h"

class Form1;
class ViewerCommandsInput;

class AppBrowser final : public BrowserHost {
public:
    AppBrowser(ViewerState& viewer, PageRecord& page, PageHistory& history, const ProgramPaths& paths,
               Prompter& prompter, Form1& form1, ViewerCommandsInput& commands);
    ~AppBrowser() override;

    // The window, made (hidden) at the first call.
    Form3& Window();
    void Show();
    bool CanGoBack() const;
    bool CanGoForward() const;

    // BrowserHost
    void FetchCompleted() override;
    void FormRedraw() override;
    void SetViewerPanelEnabled(bool enabled) override;
    void Option1_NoRedraw() override;
    bool Finder(int mode, const QString& text) override;
    bool SearchAfterFetch() const override;
    void RunTermSearch() override;
    PageFetcher* Fetcher(QString& error) override;

private:
    Form3::Shared shared_;
    Form1& viewer_;
    ViewerCommandsInput& commands_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<PageFetcher> fetcher_;
};
