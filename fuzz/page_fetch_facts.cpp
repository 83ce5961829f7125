// What a page hands the fetch as any text: the document URL, path, head and body come from
// the page and its server. The page record built from them must keep its promises: a base
// that ends in "/", a page URL on that base, the body as the text, and a refused or failed
// page leaving the document and the history as they were.
#include <cstddef>
#include <cstdint>

#include <QStringList>

#include "FuzzRequire.h"
#include "web/PageFetch.h"

namespace {

struct BytesFetcher : PageFetcher {
    LoadedPage page;
    LoadedPage Load(const QString&) override { return page; }
    void SetTimeLimit(int) override {}
    int TimeLimit() const override { return 1000; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the result; the rest is five fields split at NUL bytes.
    const QStringList f = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1)).split(u'\0');
    BytesFetcher fetcher;
    fetcher.page.result = LoadedPage::Result(data[0] % 4);
    fetcher.page.hasBody = data[0] & 4;
    fetcher.page.contentType = data[0] & 8 ? QStringLiteral("text/html") : f.value(4);
    fetcher.page.documentUrl = f.value(0);
    fetcher.page.pathname = f.value(1);
    fetcher.page.headHtml = f.value(2);
    fetcher.page.bodyHtml = f.value(3);
    ViewerState viewer;
    viewer.CurrentText = QStringLiteral("before");
    viewer.ReadPosition = 1;
    PageRecord page;
    PageHistory history;
    history.HistoryOnFetch = true;
    QString url = f.value(0);
    const FetchOutcome outcome = FetchPage(fetcher, url, {viewer, page, history, {}});
    if (!outcome.documentReplaced) {
        Require(viewer.CurrentText == QStringLiteral("before") && !history.occupied(31) && !outcome.ok);
        return 0;
    }
    Require(page.PageBaseUrl.isEmpty() || page.PageBaseUrl.endsWith(u'/'));
    Require(page.PageUrl.startsWith(page.PageBaseUrl) && url == page.PageUrl);
    Require(page.PageHtml == viewer.CurrentText && history.CurrentText[31] == QStringLiteral("before"));
    return 0;
}
