#pragma once
// The browser window as the application object provides it: made on first use, with the
// page fetcher made at the first fetch, and the viewer and term search reached for it.
#include <QString>
#include <functional>
#include <memory>

#include "web/PageFetcher.h"
#include "web/ui/BrowserHost.h"
#include "web/ui/Form3.h"

class Form1;
class Form2;
class Form5;
class ViewerCommandsInput;

class AppBrowser final : public BrowserHost {
public:
    // The dialogs the browser window drives, made on first use by the application object.
    struct Dialogs {
        std::function<Form2&()> displaySettings;
        std::function<Form5&()> termSearch;
    };
    AppBrowser(ViewerState& viewer, PageRecord& page, PageHistory& history, const ProgramPaths& paths,
               Prompter& prompter, Form1& form1, ViewerCommandsInput& commands, Dialogs dialogs);
    ~AppBrowser() override;

    // The window, made (hidden) at the first call.
    Form3& Window();
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
    void FileNotSaved(const FileProblem& problem) override;
    PageFetcher* Fetcher(QString& error) override;

private:
    Form3::Shared shared_;
    Form1& viewer_;
    ViewerCommandsInput& commands_;
    Dialogs dialogs_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<PageFetcher> fetcher_;
};
