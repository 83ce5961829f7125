// textreader-cli fetch: loads a page with the reader's own fetcher and converter and prints
// the marked text (or, with --plain, the form a copy to the clipboard takes) on stdout.
// Nothing is kept on disk: the engine runs off the record and no clip file is written.
#include "cli/fonts/CliCommand.h"

#include <optional>

#include "state/PageHistory.h"
#include "state/PageRecord.h"
#include "state/ViewerState.h"
#include "web/ClipFiles.h"
#include "web/HtmlConversion.h"
#include "web/PageFetch.h"
#include "web/engine/EngineEntry.h"
#include "web/engine/WebEnginePageFetcher.h"

namespace {

constexpr const char* kUsage = "URL [--plain] [--timeout S]";

struct FetchOptions {
    QString url;
    bool plain = false;
    int timeLimitMs = kDefaultFetchTimeLimitMs;
};

std::optional<FetchOptions> ParseOptions(const QStringList& args)
{
    FetchOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--plain")) {
            o.plain = true;
        } else if (a == QLatin1String("--timeout") && i + 1 < args.size()) {
            bool ok = false;
            const double seconds = args[++i].toDouble(&ok);
            if (!ok || !(seconds > 0 && seconds <= 3600))
                return std::nullopt;
            o.timeLimitMs = int(seconds * 1000);
        } else if (o.url.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            o.url = a;
        } else {
            return std::nullopt;
        }
    }
    return o.url.isEmpty() ? std::nullopt : std::optional(o);
}

int Fetch(const QStringList& args)
{
    const std::optional<FetchOptions> o = ParseOptions(args);
    if (!o) {
        WriteStderr(QStringLiteral("使い方: textreader-cli fetch %1\n").arg(QString::fromLatin1(kUsage)));
        return 2;
    }
    if (PrepareEngineEnvironment())
        WriteStderr(QStringLiteral("root で動いているため、ブラウザー部品のサンドボックスを切って読み込みます。\n"));
    WebEnginePageFetcher fetcher(EngineOptions{});
    fetcher.SetTimeLimit(o->timeLimitMs);
    ViewerState viewer;
    PageRecord page;
    PageHistory history;
    QString url = o->url;
    const FetchOutcome outcome = FetchPage(fetcher, url, {viewer, page, history, {}});
    if (outcome.documentReplaced) {
        ConvertHtmlToText(viewer, page);
        WriteStdout((o->plain ? ClipboardPlainText(viewer.CurrentText) : viewer.CurrentText).toUtf8());
    }
    if (outcome.ok)
        return 0;
    WriteStderr(outcome.error + u'\n');
    return 1;
}

const CliCommandRegistration kRegistration("fetch", kUsage, Fetch);

} // namespace
