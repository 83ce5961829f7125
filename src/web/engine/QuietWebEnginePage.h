#pragma once
// A web page that keeps everything a page asks for to itself: alert, confirm and prompt are
// answered without a dialog, new windows, file choosers, permissions, full screen, protocol
// handlers, file system access and client certificates are refused, and the main frame
// never leaves the schemes the reader loads.
#include <QWebEnginePage>

class QuietWebEnginePage final : public QWebEnginePage {
public:
    explicit QuietWebEnginePage(QWebEngineProfile* profile);

protected:
    void javaScriptAlert(const QUrl&, const QString&) override {}
    bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
    bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override { return false; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) override {}
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
    QStringList chooseFiles(FileSelectionMode, const QStringList&, const QStringList&) override { return {}; }
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};
