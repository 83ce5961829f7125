#include "web/engine/WebEnginePageFetcher.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QEventLoop>
#include <QTimer>
#include <QVariantMap>
#include <QWebEngineDownloadRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <algorithm>
#include <memory>
#include <optional>

#include "web/engine/QuietWebEnginePage.h"

namespace {

// Scripts that fill the page from the load event or a zero timer get this long after it.
constexpr int kSettleMs = 100;
// A stopped or failed page still gets this long to answer the read.
constexpr int kLastReadMs = 1000;
constexpr int kBlankWaitMs = 2000;
constexpr int kDownloadNoticeMs = 500;

const QString kReadScript = QStringLiteral(
    "(function(){var b=document.body,h=document.head;"
    "return {hasBody:!!b,body:b?b.innerHTML:'',title:document.title,url:document.URL,"
    "path:location.pathname,head:h?h.innerHTML:'',type:document.contentType};})()");

// Nobody sees the fetcher's page: only its DOM is read. Without this sheet the renderer
// styles and lays out the whole document after the load event, a few hundred milliseconds
// on a 400 KB page during which neither the completion notice nor a script answer gets
// through. The sheet is adopted from the reader's own script world, so it never appears in
// the page's HTML.
void SkipLayout(QWebEnginePage& page)
{
    QWebEngineScript script;
    script.setName(QStringLiteral("textreader-no-layout"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QStringLiteral(
        "try{var s=new CSSStyleSheet();s.replaceSync('html{display:none!important}');"
        "document.adoptedStyleSheets=[s];}catch(e){}"));
    page.scripts().insert(script);
}

std::unique_ptr<QWebEngineProfile> MakeProfile(const EngineOptions& options)
{
    if (options.storagePath.isEmpty())
        return std::make_unique<QWebEngineProfile>(); // off the record: nothing on disk
    auto profile = std::make_unique<QWebEngineProfile>(QStringLiteral("TextReader"));
    profile->setPersistentStoragePath(options.storagePath);
    profile->setCachePath(options.storagePath + QStringLiteral("/cache"));
    profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    return profile;
}

// Runs events until done() holds or the deadline passes; true when done.
template <typename Done>
bool RunUntil(QEventLoop& loop, int limitMs, Done done)
{
    if (done())
        return true;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(std::max(limitMs, 0));
    // An exec that returns at once (-1) means the program is ending: stop waiting then.
    while (!done() && deadline.isActive())
        if (loop.exec() < 0)
            break;
    return done();
}

} // namespace

struct WebEnginePageFetcher::Wait {
    QEventLoop loop;
    bool started = false;
    bool finished = false;
    bool failed = false;
    int httpStatus = 0;
    QString error;
};

WebEnginePageFetcher::WebEnginePageFetcher(const EngineOptions& options)
    : profile_(MakeProfile(options)), page_(std::make_unique<QuietWebEnginePage>(profile_.get()))
{
    SkipLayout(*page_);
    QObject::connect(profile_.get(), &QWebEngineProfile::downloadRequested, page_.get(),
                     [this](QWebEngineDownloadRequest* download) {
                         download->cancel();
                         downloadRefused_ = true;
                     });
    QObject::connect(page_.get(), &QWebEnginePage::loadFinished, page_.get(), [this] {
        if (page_->url() == QUrl(QStringLiteral("about:blank")))
            blankPending_ = false;
    });
}

WebEnginePageFetcher::~WebEnginePageFetcher() = default;

LoadedPage WebEnginePageFetcher::Load(const QString& url)
{
    WaitForBlank();
    downloadRefused_ = false;
    QElapsedTimer clock;
    clock.start();
    Wait wait;
    const bool finished = WaitForLoad(url, wait);
    if (finished && wait.failed && wait.error.contains(QLatin1String("ERR_ABORTED")))
        WaitForDownloadNotice(); // a download aborts the load before the profile names it
    LoadedPage page;
    page.httpStatus = wait.httpStatus;
    if (downloadRefused_) {
        page.result = LoadedPage::Result::Download;
    } else if (!finished) {
        page_->triggerAction(QWebEnginePage::Stop);
        page.result = LoadedPage::Result::TimedOut;
        ReadDocument(page, kLastReadMs);
    } else if (wait.failed) {
        page.result = LoadedPage::Result::Failed;
        page.errorText = wait.error;
    } else {
        QEventLoop settle;
        QTimer::singleShot(kSettleMs, &settle, &QEventLoop::quit);
        settle.exec();
        page.result = LoadedPage::Result::Loaded;
        ReadDocument(page, std::max<int>(timeLimitMs_ - int(clock.elapsed()), kLastReadMs));
        if (!page.hasBody && page.contentType.isEmpty())
            page.result = LoadedPage::Result::TimedOut; // a script held the page and never let go
    }
    LeaveForBlank();
    return page;
}

bool WebEnginePageFetcher::WaitForLoad(const QString& url, Wait& wait)
{
    QObject guard; // ends the connections with this wait
    QObject::connect(page_.get(), &QWebEnginePage::loadingChanged, &guard,
                     [&wait](const QWebEngineLoadingInfo& info) {
                         if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
                             wait.started = true;
                             return;
                         }
                         if (!wait.started || wait.finished)
                             return;
                         const bool httpError = info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain;
                         if (httpError)
                             wait.httpStatus = info.errorCode();
                         // A server's own error page (404 with a body) is a page like any other.
                         wait.failed = info.status() != QWebEngineLoadingInfo::LoadSucceededStatus
                                       && (!httpError || info.isErrorPage());
                         wait.error = info.errorString();
                         wait.finished = true;
                         wait.loop.quit();
                     });
    QObject::connect(profile_.get(), &QWebEngineProfile::downloadRequested, &guard,
                     [&wait] { wait.loop.quit(); });
    page_->load(QUrl(url));
    return RunUntil(wait.loop, timeLimitMs_, [&] { return wait.finished || downloadRefused_; });
}

void WebEnginePageFetcher::ReadDocument(LoadedPage& page, int limitMs)
{
    // The answer may come after the wait has given up: it then lands in a result nobody reads.
    auto answer = std::make_shared<std::optional<QVariantMap>>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    page_->runJavaScript(kReadScript, QWebEngineScript::ApplicationWorld, [answer, waiting](const QVariant& v) {
        *answer = v.toMap();
        if (waiting)
            waiting->quit();
    });
    if (!RunUntil(loop, limitMs, [&] { return answer->has_value(); }))
        return;
    const QVariantMap& m = **answer;
    page.hasBody = m.value(QStringLiteral("hasBody")).toBool();
    page.bodyHtml = m.value(QStringLiteral("body")).toString();
    page.documentUrl = m.value(QStringLiteral("url")).toString();
    page.title = m.value(QStringLiteral("title")).toString();
    if (page.title.isEmpty())
        page.title = page.documentUrl;
    page.pathname = m.value(QStringLiteral("path")).toString();
    page.headHtml = m.value(QStringLiteral("head")).toString();
    page.contentType = m.value(QStringLiteral("type")).toString();
}

void WebEnginePageFetcher::LeaveForBlank()
{
    blankPending_ = true;
    page_->setUrl(QUrl(QStringLiteral("about:blank")));
}

void WebEnginePageFetcher::WaitForDownloadNotice()
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start(5);
    RunUntil(loop, kDownloadNoticeMs, [this] { return downloadRefused_; });
}

void WebEnginePageFetcher::WaitForBlank()
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start(5);
    RunUntil(loop, kBlankWaitMs, [this] { return !blankPending_; });
    blankPending_ = false;
}
