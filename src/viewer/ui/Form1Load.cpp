// Start-up and close of the viewer window, in the order the stored files and the other
// windows rely on.
#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QScreen>

#include "core/Prompter.h"
#include "settings/IniStore.h"
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

// The screens' rectangles in twips.
QList<QRect> ScreensTwips(double tpp)
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->geometry();
        screens.append(QRect(int(r.x() * tpp), int(r.y() * tpp), int(r.width() * tpp), int(r.height() * tpp)));
    }
    return screens;
}

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
    if (std::optional<FileProblem> problem = LoadClipText(shared_.paths, viewer_))
        ReportFileProblem(*problem);
    // A first run, or one cut short before it kept any text, shows the help.
    if (firstRun_ || viewer_.CurrentText.isEmpty())
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
    // A hand-edited or stale Setting.ini must not put the window out of reach nor the
    // reading position outside the text.
    SetGeometryTwips(ClampToScreens(g, ScreensTwips(TwipsPerPixel()), kMinimumTwips));
    ClampReadingPosition(viewer_);
}

void Form1::StartupFinish()
{
    viewer_.UrlRing.fill(QString());
    viewer_.UrlRingNext = 1;
    FileProblems problems;
    LoadClipHtml(shared_.paths, QString(), shared_.page, viewer_, &problems);
    for (const FileProblem& p : problems.items())
        ReportFileProblem(p);
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
    const std::optional<FileProblem> text = SaveClipText(shared_.paths, viewer_);
    if (text)
        ReportFileProblem(*text);
    shared_.hooks.SaveHistory();
    if (viewer_.RunMode > 9)
        shared_.hooks.RemoveDesktopHooks(*this);
    shared_.hooks.RemoveTrayIcon(*this);
    {
        // Every section goes into one replacement of Setting.ini. The stored position
        // belongs to clip.txt: without the text it would point into the old one.
        IniStore::Batch settingsSave(shared_.settings);
        SaveFormDataSettings(shared_.settings, GeometryTwips(), viewer_, !text);
        shared_.hooks.SaveTextViewSettings();
        shared_.hooks.SaveTextFindSettings();
        shared_.hooks.SaveFavoriteSettings();
        shared_.hooks.SaveHotKeySettings();
        const IniSaveResult saved = settingsSave.Commit();
        if (!saved.ok)
            ReportFileProblem(FileProblem{QStringLiteral("Setting.ini"), saved.reason});
        shared_.hooks.SettingsSaved(saved);
    }
    ShowExitReport();
    viewer_.QuitState = 2;
    for (QTimer* t : timers_)
        t->stop();
    unloaded_ = true;
    hide();
    shared_.hooks.ViewerUnloaded();
}

void Form1::ReportFileProblem(const FileProblem& problem)
{
    if (unloading_) {
        exitReport_.add(problem);
        return;
    }
    const QString message = problem.file + QStringLiteral(": ") + problem.reason;
    // Several files may fail one start-up; later messages replace earlier ones in use.
    if (!viewer_.StartupDone && !page_.StatusMessage.isEmpty())
        page_.StatusMessage += QStringLiteral("　") + message;
    else
        page_.StatusMessage = message;
    if (viewer_.StartupDone)
        line_print();
}

void Form1::ShowExitReport()
{
    if (exitReport_.empty())
        return;
    // Shown while the program still runs, so the user can keep the text some other way first.
    shared_.prompter.inform(QStringLiteral("次のファイルを保存できませんでした。\n\n%1\n"
                                           "保存できなかった内容は次回に残りません。"
                                           "OK を押すと終了します。")
                                .arg(exitReport_.lines()),
                            Caption());
}
