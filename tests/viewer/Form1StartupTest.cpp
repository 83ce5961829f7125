// Start-up and close of the real viewer window: first run, the restored page, the second
// instance and left-over locks, the debug switch, the close order and the minimum size.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <gtest/gtest.h>

#include "Form1Fixture.h"
#include "core/Codec.h"
#include "viewer/ui/SingleInstanceLock.h"
#include "web/ClipFiles.h"

TEST(Form1Startup, FirstRunCreatesSaveAndShowsTheHelpTextFromItsStart)
{
    ProgramFolder program;
    ViewerRun run(program.paths());
    ASSERT_TRUE(run.load());
    EXPECT_TRUE(QDir(program.paths().dataFolder()).exists());
    const QString howto = ReadSaveFile(program.paths().programFile(QStringLiteral("Howto.txt")));
    ASSERT_FALSE(howto.isEmpty());
    EXPECT_EQ(run.viewer.CurrentText, howto);
    EXPECT_EQ(run.viewer.PageStartList, QStringLiteral("1"));
    EXPECT_TRUE(run.viewer.PageText.startsWith(howto.left(5))); // the first page is drawn
    EXPECT_TRUE(run.viewer.StartupDone);
    EXPECT_TRUE(run.form->isVisible());
}

TEST(Form1Startup, RestartReturnsToTheSamePageInTheSameWindow)
{
    ProgramFolder program;
    program.writeClipText(codec::EncodeTextFile(NumberedLines(400)));
    QImage shown;
    QString pageStarts;
    {
        ViewerRun run(program.paths());
        ASSERT_TRUE(run.load());
        run.form->SetGeometryTwips({1500, 3000, 6000, 4500});
        for (int turn = 0; turn < 2; ++turn) { // two pages on, as the page commands record it
            run.viewer.PageStartList = QString::number(run.viewer.ReadPosition) + u',' + run.viewer.PageStartList;
            run.form->FormRedraw();
        }
        pageStarts = run.viewer.PageStartList;
        shown = run.form->CanvasSurface().image().copy(0, 0, 500, 100); // above the status line
        run.viewer.MessageSpeed = 3;
    } // unloads: clip.txt and Setting.ini written

    ViewerRun again(program.paths());
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.viewer.PageStartList, pageStarts);
    EXPECT_EQ(again.viewer.MessageSpeed, 3);
    EXPECT_EQ(again.form->CanvasSurface().image().copy(0, 0, 500, 100), shown);
    EXPECT_EQ(again.form->GeometryTwips().Width, 6000);
    EXPECT_EQ(again.form->GeometryTwips().Height, 4500);
}

TEST(Form1Startup, SecondInstanceIsRefusedWithoutTouchingAnyFile)
{
    ProgramFolder program;
    program.writeClipText("first");
    ViewerRun first(program.paths());
    ASSERT_TRUE(first.load());
    {
        ViewerRun second(program.paths());
        EXPECT_FALSE(second.load());
        EXPECT_EQ(second.prompter.texts, QStringList{QStringLiteral("既に起動されています。")});
        EXPECT_EQ(second.prompter.titles, QStringList{QStringLiteral("テキストリーダ")});
        EXPECT_FALSE(second.form->isVisible());
    } // the refused run's close writes nothing either
    // The running viewer, hidden with nothing to bring it back, was asked to show itself.
    first.form->hide();
    {
        ViewerRun third(program.paths());
        EXPECT_FALSE(third.load());
    }
    QTRY_VERIFY_WITH_TIMEOUT(first.form->isVisible(), 5000);
    EXPECT_FALSE(QFile::exists(program.paths().dataFile(QStringLiteral("Setting.ini"))));
    EXPECT_EQ(program.folder.read(program.paths().dataFile(QStringLiteral("clip.txt"))), QByteArray("first"));
}

TEST(Form1Startup, LocksLeftByCrashedRunsDoNotBlockTheNextStart)
{
    ProgramFolder program;
    QDir().mkpath(program.paths().dataFolder());
    const QString lockPath = program.paths().dataFile(SingleInstanceLock::fileName());
    // Written by a process that has ended.
    QProcess gone;
    gone.start(QStringLiteral("sleep"), {QStringLiteral("0.1")});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    program.folder.write(lockPath, QByteArray::number(pid) + "\ntextreader\n" +
                                       QSysInfo::machineHostName().toUtf8() + "\n");
    {
        ViewerRun run(program.paths());
        EXPECT_TRUE(run.load());
    }
    // Created but never written (the crash came in between), a minute ago.
    program.folder.write(lockPath, QByteArray());
    QFile f(lockPath);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    f.close();
    ViewerRun run(program.paths());
    EXPECT_TRUE(run.load());
    EXPECT_TRUE(run.prompter.texts.isEmpty());
}

TEST(Form1Startup, OneReaderOnlyWhenSaveIsAFileOrAFolderSitsWhereTheLockBelongs)
{
    ProgramFolder blockedLock;
    QDir().mkpath(blockedLock.paths().dataFile(SingleInstanceLock::fileName()));
    ProgramFolder saveIsAFile;
    saveIsAFile.folder.write(saveIsAFile.paths().programFile(QStringLiteral("Save")), "not a folder");
    for (ProgramFolder* program : {&blockedLock, &saveIsAFile}) {
        ViewerRun first(program->paths());
        ASSERT_TRUE(first.load()); // not blocked forever
        ViewerRun second(program->paths());
        EXPECT_FALSE(second.load());
        EXPECT_EQ(second.prompter.texts, QStringList{QStringLiteral("既に起動されています。")});
    }
    // The folder is the user's: left as it was.
    EXPECT_TRUE(QFileInfo(blockedLock.paths().dataFile(SingleInstanceLock::fileName())).isDir());
}

TEST(Form1Startup, OnlyTheExactDebugSwitchSelectsTheDebugRun)
{
    const struct {
        const char* commandLine;
        int32_t runMode;
    } cases[] = {{"/DEBUG", 0}, {"/debug", 11}, {"/DEBUG x", 11}, {" /DEBUG", 11}, {"", 11}};
    for (const auto& c : cases) {
        ProgramFolder program;
        ViewerRun run(program.paths());
        ASSERT_TRUE(run.load(QString::fromLatin1(c.commandLine)));
        EXPECT_EQ(run.viewer.RunMode, c.runMode) << c.commandLine;
        run.form->Form_Unload();
        EXPECT_EQ(run.hooks.calls.contains(QStringLiteral("InstallDesktopHooks")), c.runMode > 9);
        EXPECT_EQ(run.hooks.calls.contains(QStringLiteral("RemoveDesktopHooks")), c.runMode > 9);
    }
}

TEST(Form1Startup, CloseSavesDocumentHistoryAndSettingsOnceThenEndsTheProgram)
{
    ProgramFolder program;
    ViewerRun run(program.paths());
    ASSERT_TRUE(run.load());
    run.viewer.CurrentText.clear();
    run.hooks.calls.clear();
    run.form->Form_Unload();
    run.form->close(); // the window system's close after Esc does nothing more
    EXPECT_EQ(run.hooks.calls,
              (QStringList{"SaveHistory", "RemoveDesktopHooks", "RemoveTrayIcon",
                           "SaveTextViewSettings", "SaveTextFindSettings", "SaveFavoriteSettings",
                           "SaveHotKeySettings", "ViewerUnloaded"}));
    EXPECT_EQ(run.viewer.QuitState, 2);
    EXPECT_EQ(program.folder.read(program.paths().dataFile(QStringLiteral("clip.txt"))), QByteArray("no data."));
}

TEST(Form1Startup, WindowIsNeverSmallerThan1000TwipsEachWay)
{
    ProgramFolder program;
    ViewerRun run(program.paths());
    ASSERT_TRUE(run.load());
    run.form->SetGeometryTwips({0, 0, 500, 500});
    const FormGeometry g = run.form->GeometryTwips();
    EXPECT_GE(g.Width, 1000);
    EXPECT_GE(g.Height, 1000);
    EXPECT_LT(g.Height, 1000 + run.form->TwipsPerPixel());
    EXPECT_EQ(run.form->CanvasSurface().widthPx(), run.form->width());
}
