// Every way out of the running program (closing the main frame, the tray icon's right
// click, a termination signal) goes through the viewer's unload: the program ends only
// after the text, the history and the settings are written. The tray's left click hides
// and shows the viewer; with nothing that could show it again, the idle time never hides it.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

#include "TextReaderApp.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/TaskTray.h"
#include "support/TempFolder.h"
#include "viewer/ui/Form1.h"

namespace {

const QStringList kSavedFiles{QStringLiteral("Setting.ini"), QStringLiteral("clip.txt"),
                              QStringLiteral("rireki.dat")};

class DesktopRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile::copy(QStringLiteral(TR_SOURCE_DIR "/data/Howto.txt"), paths.programFile(QStringLiteral("Howto.txt")));
        ASSERT_TRUE(app.Start(QString()));
        // The frame and the tray come after the first page.
        QTRY_VERIFY_WITH_TIMEOUT(app.MainFrame() != nullptr, 5000);
        ASSERT_NE(app.Tray(), nullptr);
        for (const QString& name : kSavedFiles)
            QFile::remove(paths.dataFile(name));
    }

    // Runs events until the program asks to end (false after 10 s). Not QEventLoop::exec:
    // after the first end of the program every later exec would return at once.
    bool ProgramEnds()
    {
        QElapsedTimer clock;
        clock.start();
        while (!app.Ending() && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return app.Ending();
    }

    void ExpectEverythingSaved()
    {
        EXPECT_EQ(app.Viewer().Viewer().QuitState, 2);
        for (const QString& name : kSavedFiles)
            EXPECT_TRUE(QFile::exists(paths.dataFile(name))) << name.toStdString();
    }

    TempFolder folder;
    ProgramPaths paths = folder.paths(false);
    TextReaderApp app{paths};
};

} // namespace

TEST_F(DesktopRun, ClosingTheFrameEndsTheProgramAfterTheViewerSaved)
{
    EXPECT_EQ(app.MainFrame()->windowTitle(), QStringLiteral("設定"));
    // Its first tick takes in every secondary window, each new tab at the far left.
    const QStringList tabs{QStringLiteral("用語の検索"), QStringLiteral("URLリスト呼んだ順"),
                           QStringLiteral("テキスト保存"), QStringLiteral("Setting"), QStringLiteral("ﾏｸﾛ")};
    QTRY_COMPARE_WITH_TIMEOUT(app.MainFrame()->TabCaptions(), tabs, 5000);
    EXPECT_FALSE(app.MainFrame()->close());
    ASSERT_TRUE(ProgramEnds());
    ExpectEverythingSaved();
}

TEST_F(DesktopRun, TerminationSignalEndsTheProgramAfterTheViewerSaved)
{
    std::raise(SIGTERM);
    ASSERT_TRUE(ProgramEnds());
    ExpectEverythingSaved();
}

TEST_F(DesktopRun, TrayClicksHideShowAndQuit)
{
    Form1& viewer = app.Viewer();
    EXPECT_EQ(app.Tray()->Icon().toolTip(), QStringLiteral("テキストリーダ"));
    app.Tray()->TrayWindowProc(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(viewer.isVisible());
    app.Tray()->TrayWindowProc(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(viewer.isVisible());

    app.Tray()->TrayWindowProc(QSystemTrayIcon::Context);
    ASSERT_TRUE(ProgramEnds());
    EXPECT_FALSE(viewer.isVisible());
    ExpectEverythingSaved();
}

TEST_F(DesktopRun, IdleTimeDoesNotHideAViewerNothingCouldBringBack)
{
    // Off screen there is no tray and no hotkey.
    Form1& viewer = app.Viewer();
    ASSERT_FALSE(app.Hotkeys().Available());
    EXPECT_EQ(viewer.Page().StatusMessage, QStringLiteral("ホットキーは使えません"));
    viewer.Viewer().IdleTimer[0] = viewer.Viewer().IdleTimer[1] + 10;
    viewer.Timer6_Timer();
    EXPECT_TRUE(viewer.isVisible());
}
