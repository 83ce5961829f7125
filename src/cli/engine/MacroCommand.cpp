// textreader-cli macro [MACRO.csv]: the URL macro without windows. Each page is fetched with
// the reader's engine and converter, becomes the current document (clip files written, as
// the browser window's go leaves them) and is saved into the program's library.
#include "cli/fonts/CliCommand.h"

#include "core/ProgramPaths.h"
#include "library/MacroCommand.h"
#include "library/MacroPageSource.h"
#include "state/PageHistory.h"
#include "state/PageRecord.h"
#include "state/ViewerState.h"
#include "web/HtmlConversion.h"
#include "web/PageFetch.h"
#include "web/engine/EngineEntry.h"
#include "web/engine/WebEnginePageFetcher.h"

namespace {

class EnginePageSource final : public MacroPageSource {
public:
    EnginePageSource(const ProgramPaths& paths, ViewerState& viewer) : paths_(paths), viewer_(viewer) {}

    Page FetchMacroPage(const QString& requested) override
    {
        QString url = requested;
        const FetchOutcome outcome = FetchPage(fetcher_, url, {viewer_, page_, history_, {}});
        if (outcome.documentReplaced) {
            HtmlConversionHooks hooks;
            hooks.saveClipHtml = ClipHtmlSaver(paths_, page_, viewer_);
            ConvertHtmlToText(viewer_, page_, hooks);
        }
        if (outcome.ok)
            return {true, outcome.title, {}};
        return {false, outcome.title, outcome.error};
    }

private:
    const ProgramPaths& paths_;
    ViewerState& viewer_;
    PageRecord page_;
    PageHistory history_;
    WebEnginePageFetcher fetcher_{EngineOptions{}};
};

int Macro(const QStringList& args)
{
    if (PrepareEngineEnvironment())
        WriteStderr(QStringLiteral("root で動いているため、ブラウザー部品のサンドボックスを切って読み込みます。\n"));
    const ProgramPaths paths = ProgramPaths::ofRunningProgram();
    ViewerState viewer;
    EnginePageSource source(paths, viewer);
    return RunMacroCommand(
        args, source, paths, viewer, [](const QString& line) { WriteStdout((line + u'\n').toUtf8()); },
        [](const QString& line) { WriteStderr(line + u'\n'); });
}

const CliCommandRegistration kRegistration("macro", kMacroCommandUsage, Macro);

} // namespace
