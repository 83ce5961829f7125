#include "AppBrowser.h"

#include <QCheckBox>

#include "core/ProgramPaths.h"
#include "library/ui/Form5.h"
#include "settings/ui/Form2.h"
#include "state/PageHistory.h"
#include "viewer/ui/ButtonBar.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/ViewerCommands.h"
#include "viewer/ui/ViewerCommandsForm1.h"
#include "web/PageFetcherLoader.h"

AppBrowser::AppBrowser(ViewerState& viewer, PageRecord& page, PageHistory& history, const ProgramPaths& paths,
                       Prompter& prompter, Form1& form1, ViewerCommandsInput& commands, Dialogs dialogs)
    : shared_{viewer, page, history, paths, prompter, *this}, viewer_(form1), commands_(commands),
      dialogs_(std::move(dialogs))
{
}

AppBrowser::~AppBrowser()
{
    // The window goes before the engine it may still be waiting on.
    form3_.reset();
    fetcher_.reset();
}

Form3& AppBrowser::Window()
{
    if (!form3_)
        form3_ = std::make_unique<Form3>(shared_);
    return *form3_;
}

bool AppBrowser::CanGoBack() const { return shared_.history.occupied(PageHistory::kCurrent + 1); }

bool AppBrowser::CanGoForward() const { return shared_.history.occupied(PageHistory::kCurrent - 1); }

void AppBrowser::FetchCompleted() { commands_.Commands().Picture1_KeyDown(0, 85, kShiftFetchCompleted); }

void AppBrowser::FormRedraw() { viewer_.FormRedraw(); }

void AppBrowser::SetViewerPanelEnabled(bool enabled) { viewer_.Picture3().setEnabled(enabled); }

void AppBrowser::Option1_NoRedraw() { dialogs_.displaySettings().Option1_NoRedraw(); }

bool AppBrowser::Finder(int mode, const QString& text)
{
    bool found = false;
    dialogs_.termSearch().Finder(mode, text, found);
    return found;
}

bool AppBrowser::SearchAfterFetch() const { return dialogs_.termSearch().Check1(1).isChecked(); }

void AppBrowser::RunTermSearch() { dialogs_.termSearch().Command1_Click(0); }

void AppBrowser::FileNotSaved(const FileProblem& problem) { viewer_.ReportFileProblem(problem); }

PageFetcher* AppBrowser::Fetcher(QString& error)
{
    if (!fetcher_) {
        LoadedFetcher loaded = LoadPageFetcher(shared_.paths.dataFile(QStringLiteral("WebEngine")));
        fetcher_ = std::move(loaded.fetcher);
        error = loaded.error;
    }
    return fetcher_.get();
}
