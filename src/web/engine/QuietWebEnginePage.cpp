#include "web/engine/QuietWebEnginePage.h"

#include <QAuthenticator>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineProfile>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineSettings>

QuietWebEnginePage::QuietWebEnginePage(QWebEngineProfile* profile) : QWebEnginePage(profile)
{
    QWebEngineSettings* s = settings();
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    // Images never reach the text; not loading them ends the load sooner.
    s->setAttribute(QWebEngineSettings::AutoLoadImages, false);
    connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl& origin, Feature f) {
        setFeaturePermission(origin, f, PermissionDeniedByUser);
    });
    connect(this, &QWebEnginePage::authenticationRequired, this,
            [](const QUrl&, QAuthenticator* a) { *a = QAuthenticator(); });
    connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
            [](const QUrl&, QAuthenticator* a, const QString&) { *a = QAuthenticator(); });
    connect(this, &QWebEnginePage::fullScreenRequested, this,
            [](QWebEngineFullScreenRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::selectClientCertificate, this,
            [](QWebEngineClientCertificateSelection selection) { selection.selectNone(); });
}

bool QuietWebEnginePage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame)
{
    // The same schemes the fetch accepts (web/PageFacts); kept here too because redirects
    // and scripts move the main frame without asking the fetch.
    const QString scheme = url.scheme().toLower();
    return !isMainFrame || scheme == u"http" || scheme == u"https" || scheme == u"file" || scheme == u"about";
}
