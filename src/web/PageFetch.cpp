#include "web/PageFetch.h"

#include <QUrl>
#include <utility>

#include "core/LineBreaks.h"
#include "web/PageFacts.h"
#include "web/PageHistoryPush.h"

namespace {

QString Seconds(int milliseconds) { return QString::number((milliseconds + 999) / 1000); }

// A relative <base href> is taken against the document, so that links built on it work.
QString AbsoluteBase(const QString& base, const QString& documentUrl)
{
    if (base.isEmpty() || QUrl(base).isRelative() == false)
        return base;
    const QString resolved = QUrl(documentUrl).resolved(QUrl(base)).toString();
    return resolved.endsWith(u'/') ? resolved : resolved + u'/';
}

// Whether the load left a page that may become the current document.
bool Takeable(const LoadedPage& loaded)
{
    const bool finished = loaded.result == LoadedPage::Result::Loaded
                          || (loaded.result == LoadedPage::Result::TimedOut && loaded.hasBody
                              && !loaded.bodyHtml.isEmpty());
    return finished && loaded.hasBody && IsHtmlContentType(loaded.contentType);
}

void FillPageRecord(const LoadedPage& loaded, const QString& requested, QString& url,
                    const PageFetchContext& c)
{
    c.viewer.CurrentText = ToCrLf(loaded.bodyHtml);
    c.page.PageTitle = loaded.title;
    c.page.PageBaseUrl = SiteRootOf(loaded.documentUrl);
    const QString base = AbsoluteBase(BaseHrefOf(loaded.headHtml), loaded.documentUrl);
    if (!base.isEmpty())
        c.page.PageBaseUrl = base;
    c.page.PageRequestUrl = requested;
    url = c.page.PageBaseUrl + PathAfterRoot(loaded.pathname);
    c.page.PageUrl = url;
    c.page.PageHtml = c.viewer.CurrentText;
}

FetchOutcome Outcome(const LoadedPage& loaded, const QString& url, int timeLimitMs)
{
    FetchOutcome outcome;
    outcome.httpStatus = loaded.httpStatus;
    outcome.title = loaded.title;
    outcome.url = url;
    if (loaded.httpStatus >= 400)
        outcome.error = QStringLiteral("サーバーがエラーを返しました（HTTP %1）: %2").arg(loaded.httpStatus).arg(url);
    else if (loaded.result == LoadedPage::Result::TimedOut)
        outcome.error = FetchFailureText(loaded, url, timeLimitMs);
    outcome.ok = outcome.error.isEmpty();
    return outcome;
}

} // namespace

QString FetchFailureText(const LoadedPage& loaded, const QString& url, int timeLimitMs)
{
    switch (loaded.result) {
    case LoadedPage::Result::TimedOut:
        return QStringLiteral("%1 秒待っても読み込みが終わりませんでした: %2").arg(Seconds(timeLimitMs), url);
    case LoadedPage::Result::Download:
        return QStringLiteral("ダウンロードになるページは読み込みません: %1").arg(url);
    case LoadedPage::Result::Failed:
        return QStringLiteral("ページを読み込めませんでした（%1）: %2")
            .arg(loaded.errorText.isEmpty() ? QStringLiteral("接続できません") : loaded.errorText, url);
    case LoadedPage::Result::Loaded:
        break;
    }
    if (!loaded.hasBody || loaded.contentType.isEmpty())
        return QStringLiteral("ページの本文を読み取れませんでした: %1").arg(url);
    return QStringLiteral("HTML のページではないため読み込みませんでした（%1）: %2").arg(loaded.contentType, url);
}

FetchOutcome FetchPage(PageFetcher& fetcher, QString& url, const PageFetchContext& c)
{
    const QString anchor = PageAnchorOf(url);
    const QString requested = WithoutDotSegments(url);
    if (!IsFetchableUrl(requested)) {
        FetchOutcome refused;
        refused.url = requested;
        refused.error = QStringLiteral("読み込めるのは http、https、file、about の URL だけです: %1").arg(requested);
        return refused;
    }
    // The snapshot is pushed before the load, as the current document stands now; a load
    // that gives nothing to take puts the history back.
    const PageHistory before = c.history;
    if (c.history.HistoryOnFetch)
        PushPageHistory(c.history, c.page, c.viewer);
    if (c.beforeLoad)
        c.beforeLoad();
    const bool wasLoaded = std::exchange(c.page.PageLoaded, false);
    const LoadedPage loaded = fetcher.Load(requested);
    if (!Takeable(loaded)) {
        c.history = before;
        c.page.PageLoaded = wasLoaded;
        FetchOutcome failed;
        failed.httpStatus = loaded.httpStatus;
        failed.url = requested;
        failed.error = FetchFailureText(loaded, requested, fetcher.TimeLimit());
        return failed;
    }
    c.page.PageLoaded = loaded.result == LoadedPage::Result::Loaded;
    c.page.PageAnchor = anchor;
    FillPageRecord(loaded, requested, url, c);
    FetchOutcome outcome = Outcome(loaded, url, fetcher.TimeLimit());
    outcome.documentReplaced = true;
    return outcome;
}
