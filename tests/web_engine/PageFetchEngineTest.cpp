// The page fetch on the real engine: what a loaded page leaves in the page record, and how
// every kind of failure leaves the current document alone. One engine serves every test.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QStringDecoder>
#include <QStringEncoder>

#include "LocalHttpServer.h"
#include "support/TempFolder.h"
#include "web/PageFetch.h"
#include "web/engine/WebEnginePageFetcher.h"

namespace {

class PageFetchEngine : public ::testing::Test {
protected:
    static WebEnginePageFetcher& Engine()
    {
        static WebEnginePageFetcher* engine = new WebEnginePageFetcher(EngineOptions{}); // lives for the run
        return *engine;
    }

    FetchOutcome Fetch(QString url)
    {
        Engine().SetTimeLimit(kDefaultFetchTimeLimitMs);
        return FetchPage(Engine(), url, {viewer, page, history, {}});
    }

    void SetUp() override
    {
        viewer.CurrentText = QStringLiteral("the text before");
        viewer.ReadPosition = 5;
        page.PageUrl = QStringLiteral("http://before/");
        history.HistoryOnFetch = true;
    }

    void ExpectDocumentUnchanged(const FetchOutcome& outcome)
    {
        EXPECT_FALSE(outcome.ok);
        EXPECT_FALSE(outcome.documentReplaced);
        EXPECT_FALSE(outcome.error.isEmpty());
        EXPECT_EQ(viewer.CurrentText, QStringLiteral("the text before"));
        EXPECT_EQ(page.PageUrl, QStringLiteral("http://before/"));
        EXPECT_FALSE(history.occupied(31)) << "a failed fetch pushed the history";
    }

    LocalHttpServer server;
    ViewerState viewer;
    PageRecord page;
    PageHistory history;
};

TEST_F(PageFetchEngine, LoadedPageFillsThePageRecord)
{
    server.route("/dir/page.html", {200, "text/html; charset=utf-8",
                                    "<html><head><title>T1</title></head><body><p>Hello\nthere</p>"
                                    "<div id=s></div><div id=l></div><script>document.getElementById('s').textContent="
                                    "'by script';addEventListener('load',function(){"
                                    "document.getElementById('l').textContent='at load'})</script></body></html>", {}});
    const FetchOutcome outcome = Fetch(server.url("/dir/./page.html#part2"));
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.documentReplaced);
    EXPECT_TRUE(viewer.CurrentText.contains(QStringLiteral("<p>Hello\r\nthere</p>"))) << viewer.CurrentText.toStdString();
    EXPECT_TRUE(viewer.CurrentText.contains(QStringLiteral("by script")));
    EXPECT_TRUE(viewer.CurrentText.contains(QStringLiteral("at load"))) << "read before the load event";
    EXPECT_EQ(page.PageHtml, viewer.CurrentText);
    EXPECT_EQ(page.PageTitle, QStringLiteral("T1"));
    EXPECT_EQ(page.PageAnchor, QStringLiteral("part2"));
    EXPECT_EQ(page.PageRequestUrl, server.url("/dir/page.html#part2"));
    EXPECT_EQ(page.PageBaseUrl, server.url("/"));
    EXPECT_EQ(page.PageUrl, server.url("/dir/page.html"));
    EXPECT_EQ(outcome.url, page.PageUrl);
    EXPECT_TRUE(page.PageLoaded);
    // The document before is one step back.
    EXPECT_EQ(history.CurrentText[31], QStringLiteral("the text before"));
}

TEST_F(PageFetchEngine, BaseHrefAndShiftJisAndUntitledPages)
{
    server.route("/b.html", {200, "text/html", "<html><head><base href=\"https://example.com/docs\"></head>"
                                               "<body>x</body></html>", {}});
    ASSERT_TRUE(Fetch(server.url("/b.html")).ok);
    EXPECT_EQ(page.PageBaseUrl, QStringLiteral("https://example.com/docs/"));
    EXPECT_EQ(page.PageUrl, QStringLiteral("https://example.com/docs/b.html"));
    EXPECT_EQ(page.PageTitle, server.url("/b.html")) << "a page without a title is named by its URL";

    QStringEncoder sjis("Shift_JIS");
    const QByteArray body = QByteArray("<html><head><meta charset=\"Shift_JIS\"></head><body>")
                            + QByteArray(sjis(QStringLiteral("日本語の本文"))) + "</body></html>";
    server.route("/sjis.html", {200, "text/html", body, {}});
    ASSERT_TRUE(Fetch(server.url("/sjis.html")).ok);
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("日本語の本文"));
}

TEST_F(PageFetchEngine, FilePagesTakeTheFileRoot)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("local.html"), "<html><body>on disk</body></html>");
    QString url = QStringLiteral("file://") + path;
    ASSERT_TRUE(Fetch(url).ok);
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("on disk"));
    EXPECT_EQ(page.PageBaseUrl, QStringLiteral("file:///"));
    EXPECT_EQ(page.PageUrl, QStringLiteral("file://") + path);
}

TEST_F(PageFetchEngine, HttpErrorPageIsShownAndReported)
{
    server.route("/gone.html", {404, "text/html", "<html><body>Not here</body></html>", {}});
    const FetchOutcome outcome = Fetch(server.url("/gone.html"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.documentReplaced);
    EXPECT_EQ(outcome.httpStatus, 404);
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("404")));
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("Not here"));
}

TEST_F(PageFetchEngine, FailuresLeaveTheDocumentAlone)
{
    server.route("/loop", {302, "text/html", "", "/loop"});
    ExpectDocumentUnchanged(Fetch(server.url("/loop")));
    server.route("/img.png", {200, "image/png", QByteArray::fromBase64(
        "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg=="), {}});
    const FetchOutcome image = Fetch(server.url("/img.png"));
    ExpectDocumentUnchanged(image);
    EXPECT_TRUE(image.error.contains(QStringLiteral("HTML"))) << image.error.toStdString();
    server.route("/file.bin", {200, "application/octet-stream", QByteArray(4096, 'b'), {}});
    const FetchOutcome download = Fetch(server.url("/file.bin"));
    ExpectDocumentUnchanged(download);
    EXPECT_TRUE(download.error.contains(QStringLiteral("ダウンロード"))) << download.error.toStdString();
    ExpectDocumentUnchanged(Fetch(QStringLiteral("http://127.0.0.1:1/refused")));
    ExpectDocumentUnchanged(Fetch(QStringLiteral("javascript:alert(1)")));
}

TEST_F(PageFetchEngine, ScriptDialogsAndWindowsAreAnsweredWithoutShowingAnything)
{
    server.route("/dialogs.html", {200, "text/html", "<html><body><script>alert('a');"
        "var w = window.open('http://127.0.0.1:1/');"
        "document.body.insertAdjacentText('beforeend', (confirm('c') ? 'yes' : 'no') + (prompt('p') === null) + (w === null));"
        "</script></body></html>", {}});
    ASSERT_TRUE(Fetch(server.url("/dialogs.html")).ok);
    EXPECT_TRUE(viewer.CurrentText.endsWith(QStringLiteral("notruetrue"))) << viewer.CurrentText.toStdString();
}

TEST_F(PageFetchEngine, ServerThatNeverAnswersEndsAtTheLimit)
{
    Engine().SetTimeLimit(2000);
    QString url = server.url("/silent");
    QElapsedTimer clock;
    clock.start();
    const FetchOutcome outcome = FetchPage(Engine(), url, {viewer, page, history, {}});
    EXPECT_LT(clock.elapsed(), 6000);
    ExpectDocumentUnchanged(outcome);
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("2 秒"))) << outcome.error.toStdString();
    // The engine is free again for the next page.
    server.route("/after.html", {200, "text/html", "<html><body>after</body></html>", {}});
    EXPECT_TRUE(Fetch(server.url("/after.html")).ok);
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("after"));
}

} // namespace
