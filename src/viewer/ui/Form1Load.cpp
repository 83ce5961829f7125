// Start-up and close of the viewer window, in the order the stored files and the other
// windows rely on.
#include <QApplication>
#include <QDir>
#include <QPalette>

#include "core/Prompter.h"
#include "web/ClipFiles.h"
#include "state/PageHistory.h"
#include "state/PageRecord.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/Form1Hooks.h"
#include "viewer/ui/SingleInstanceLock.h"

namespace {

const QString kDebugSwitch = QStringLiteral("/DEBUG");

// The platform's desktop colour, as near as Qt knows it.
Colour DesktopColour() { return FromQColor(QApplication::palette().color(QPalette::Window)); }

} // namespace

bool Form1::Form_Load(const QString& commandLine)
{
    viewer_.PageBuffer = &pageBuffer_;
    StartupReadDataFolder();
    shared_.history.HistoryDepth = PageHistory::kCurrent;
    shared_.history.HistoryOnFetch = true;
    if (viewer_.QuitState >= 1)
        return true;
    viewer_.TickIntervalMs = 0;
    if (lock_->tryAcquire() == SingleInstanceLock::Result::HeldElsewhere) {
        // The running viewer may be hidden with no hotkey or tray to bring it back.
        lock_->askHolderToShow();
        shared_.prompter.inform(QStringLiteral("既に起動されています。"), Caption());
        return false;
    }
    lock_->listenForShowRequests([this] { BringBack(); });
    loaded_ = true;
    viewer_.RunMode = commandLine == kDebugSwitch ? 0 : 11;
    viewer_.Canvas = &surface_;
    StartupRestoreDocument();
    SetWindowAlpha(255);
    surface_.setBackColor(DesktopColour());
    shared_.hooks.LoadHotKeySettings();
    if (viewer_.RunMode > 9)
        shared_.hooks.InstallDesktopHooks(*this);
    StartupRestoreWindow();
    shared_.hooks.ShowMainFrame();
    page_.PageTurnBusy = false;
    viewer_.LinkTextOn = false;
    viewer_.HighlightOn = false;
    viewer_.UrlRingNext = 0;
    shared_.hooks.AddTrayIcon(*this);
    QCoreApplication::processEvents();
    StartupFinish();
    return true;
}

void Form1::BringBack()
{
    if (unloaded_ || viewer_.QuitState > 0)
        return;
    if (!isVisible())
        FormHihyouji();
    raise();
    activateWindow();
}

void Form1::StartupReadDataFolder()
{
    const QString data = shared_.paths.dataFolder();
    if (!QDir(data).exists()) {
        QDir().mkpath(data);
        firstRun_ = true;
    }
    lock_ = std::make_unique<SingleInstanceLock>(data);
}

void Form1::StartupRestoreDocument()
{
    LoadClipText(shared_.paths, viewer_);
    if (firstRun_)
        viewer_.CurrentText = ReadSaveFile(shared_.paths.programFile(QStringLiteral("Howto.txt")));
    shared_.hooks.LoadHistory();
    viewer_.MessageSpeed = 5;
}

void Form1::StartupRestoreWindow()
{
    viewer_.ReadPosition = 1;
    viewer_.PageStartList = QStringLiteral("1");
    FormGeometry g = GeometryTwips();
    LoadFormDataSettings(shared_.settings, g, viewer_);
    SetGeometryTwips(g);
}

void Form1::StartupFinish()
{
    viewer_.UrlRing.fill(QString());
    viewer_.UrlRingNext = 1;
    LoadClipHtml(shared_.paths, QString(), shared_.page, viewer_);
    viewer_.UrlRing[0] = shared_.page.PageRequestUrl;
    // Redraw requests wait for the end of start-up, but the first page is drawn here.
    RedrawFromPageStart();
    startupPageReady_ = true;
    FormHihyouji();
    QCoreApplication::processEvents();
    viewer_.StartupDone = true;
}

void Form1::Form_Unload()
{
    if (!loaded_ || unloading_ || unloaded_)
        return;
    unloading_ = true;
    QCoreApplication::processEvents();
    SaveClipText(shared_.paths, viewer_);
    shared_.hooks.SaveHistory();
    if (viewer_.RunMode > 9)
        shared_.hooks.RemoveDesktopHooks(*this);
    shared_.hooks.RemoveTrayIcon(*this);
    SaveFormDataSettings(shared_.settings, GeometryTwips(), viewer_);
    shared_.hooks.SaveTextViewSettings();
    shared_.hooks.SaveTextFindSettings();
    shared_.hooks.SaveFavoriteSettings();
    shared_.hooks.SaveHotKeySettings();
    viewer_.QuitState = 2;
    for (QTimer* t : timers_)
        t->stop();
    unloaded_ = true;
    hide();
    shared_.hooks.ViewerUnloaded();
}
