// Start-up and close of the real viewer window: first run, the restored page, the second
// instance, the debug switch and the minimum size.
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <gtest/gtest.h>

#include "Form1Fixture.h"
#include "core/Codec.h"
#include "core/Notation.h"
#include "viewer/ui/SingleInstanceLock.h"
#include "web/ClipFiles.h"

namespace form1test {
namespace {

QImage TextArea(Form1& form)
{
    const QImage& img = form.CanvasSurface().image();
    // The status line (idle seconds, speed) is left out: only the page itself counts.
    return img.copy(0, 0, img.width(), img.height() * 3 / 4);
}

} // namespace
} // namespace form1test

TEST(Form1Startup, FirstRunCreatesSaveAndShowsTheHelpTextFromItsStart)
{
    ProgramFolder program;
    ViewerRun run(program.paths());
    ASSERT_TRUE(run.load());

    EXPECT_TRUE(QDir(program.paths().dataFolder()).exists());
    EXPECT_TRUE(run.form->FirstRun());
    const QString howto = ReadSaveFile(program.paths().programFile(QStringLiteral("Howto.txt")));
    ASSERT_FALSE(howto.isEmpty());
    EXPECT_EQ(run.viewer.CurrentText, howto);
    EXPECT_EQ(run.viewer.PageStartList, QStringLiteral("1"));
    EXPECT_TRUE(run.viewer.StartupDone);
    EXPECT_TRUE(run.form->isVisible());
    // The first page is laid out: the position is past its first character.
    EXPECT_GT(run.viewer.ReadPosition, 1);
    EXPECT_TRUE(run.viewer.PageText.startsWith(howto.left(5)));
}

TEST(Form1Startup, LaterRunKeepsClipTextInsteadOfTheHelp)
{
    ProgramFolder program;
    program.writeClipText("kept text");
    ViewerRun run(program.paths());
    ASSERT_TRUE(run.load());
    EXPECT_FALSE(run.form->FirstRun());
    EXPECT_EQ(run.viewer.CurrentText, QStringLiteral("kept text"));
}

TEST(Form1Startup, RestartReturnsToTheSamePage)
{
    ProgramFolder program;
    program.writeClipText(codec::EncodeTextFile(NumberedLines(400)));
    QImage shown;
    QString pageStarts;
    int32_t position = 0;
    {
        ViewerRun run(program.paths());
        ASSERT_TRUE(run.load());
        // Turn two pages the way the page commands record them, then redraw.
        for (int turn = 0; turn < 2; ++turn) {
            run.viewer.PageStartList = QString::number(run.viewer.ReadPosition) + u',' + run.viewer.PageStartList;
            run.form->FormRedraw();
        }
        pageStarts = run.viewer.PageStartList;
        position = run.viewer.ReadPosition;
        shown = TextArea(*run.form);
        run.viewer.MessageSpeed = 3;
        run.viewer.ReturnMushi = true;
    } // unloads: clip.txt and Setting.ini written

    ViewerRun again(program.paths());
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.viewer.PageStartList, pageStarts);
    EXPECT_EQ(again.viewer.ReadPosition, position);
    EXPECT_EQ(again.viewer.MessageSpeed, 3);
    EXPECT_TRUE(again.viewer.ReturnMushi);
    EXPECT_EQ(TextArea(*again.form), shown);
}

TEST(Form1Startup, RestartRestoresTheWindowRectangle)
{
    ProgramFolder program;
    FormGeometry placed{1500, 3000, 6000, 4500};
    {
        ViewerRun run(program.paths());
        ASSERT_TRUE(run.load());
        run.form->SetGeometryTwips(placed);
    }
    ViewerRun again(program.paths());
    ASSERT_TRUE(again.load());
    const FormGeometry g = again.form->GeometryTwips();
    EXPECT_EQ(g.Width, placed.Width);
    EXPECT_EQ(g.Height, placed.Height);
    IniStore ini(program.paths());
    EXPECT_EQ(ini.ReadIniNumber(QStringLiteral("FormData"), QStringLiteral("FormL")), 1500);
    EXPECT_EQ(ini.ReadIniNumber(QStringLiteral("FormData"), QStringLiteral("FormT")), 3000);
}

TEST(Form1Startup, SecondInstanceIsRefusedWithoutTouchingAnyFile)
{
    ProgramFolder program;
    program.writeClipText("first");
    ViewerRun first(program.paths());
    ASSERT_TRUE(first.load());
    first.viewer.CurrentText = QStringLiteral("changed in the first run");

    {
        ViewerRun second(program.paths());
        EXPECT_FALSE(second.load());
        EXPECT_EQ(second.prompter.texts, QStringList{QStringLiteral("既に起動されています。")});
        EXPECT_EQ(second.prompter.titles, QStringList{QStringLiteral("テキストリーダ")});
        EXPECT_FALSE(second.form->isVisible());
    } // the refused run's close writes nothing either
    EXPECT_FALSE(QFile::exists(program.paths().dataFile(QStringLiteral("Setting.ini"))));
    EXPECT_EQ(program.folder.read(program.paths().dataFile(QStringLiteral("clip.txt"))), QByteArray("first"));
    EXPECT_TRUE(first.hooks.calls.contains(QStringLiteral("ShowMainFrame")));
}

TEST(Form1Startup, LockLeftByACrashedRunDoesNotBlockTheNextStart)
{
    ProgramFolder program;
    QDir().mkpath(program.paths().dataFolder());
    // A process that has ended: its number is free, so its lock is stale.
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
    const QString lockPath = program.paths().dataFile(SingleInstanceLock::fileName());
    program.folder.write(lockPath, QByteArray::number(deadPid) + "\ntextreader\n" +
                                       QSysInfo::machineHostName().toUtf8() + "\n");

    ViewerRun run(program.paths());
    EXPECT_TRUE(run.load());
    EXPECT_TRUE(run.prompter.texts.isEmpty());
}

TEST(Form1Startup, OwnerlessLockFileFromAnInterruptedStartIsTakenOver)
{
    ProgramFolder program;
    QDir().mkpath(program.paths().dataFolder());
    const QString lockPath = program.paths().dataFile(SingleInstanceLock::fileName());
    program.folder.write(lockPath, QByteArray());
    QFile f(lockPath);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    f.close();

    SingleInstanceLock lock(program.paths().dataFolder());
    EXPECT_EQ(lock.tryAcquire(), SingleInstanceLock::Result::Acquired);
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
        EXPECT_EQ(run.hooks.calls.contains(QStringLiteral("InstallDesktopHooks")), c.runMode > 9)
            << c.commandLine;
        run.form->Form_Unload();
        EXPECT_EQ(run.hooks.calls.contains(QStringLiteral("RemoveDesktopHooks")), c.runMode > 9)
            << c.commandLine;
    }
}

TEST(Form1Startup, CloseSavesTheDocumentThenHistoryThenSettingsAndEndsTheProgram)
{
    ProgramFolder program;
    ViewerRun run(program.paths());
    ASSERT_TRUE(run.load());
    run.viewer.CurrentText.clear();
    run.hooks.calls.clear();
    run.form->Form_Unload();
    EXPECT_EQ(run.hooks.calls,
              (QStringList{"SaveHistory", "RemoveDesktopHooks", "RemoveTrayIcon",
                           "SaveTextViewSettings", "SaveTextFindSettings", "SaveFavoriteSettings",
                           "SaveHotKeySettings", "ViewerUnloaded"}));
    EXPECT_EQ(run.viewer.QuitState, 2);
    EXPECT_FALSE(run.form->isVisible());
    // An empty text is stored as the placeholder.
    EXPECT_EQ(program.folder.read(program.paths().dataFile(QStringLiteral("clip.txt"))), QByteArray("no data."));
    // A second close (the window system's close after Esc) does it all only once.
    run.form->close();
    EXPECT_EQ(run.hooks.calls.count(QStringLiteral("ViewerUnloaded")), 1);
}

TEST(Form1Startup, WindowIsNeverSmallerThan1000TwipsEachWay)
{
    ProgramFolder program;
    ViewerRun run(program.paths());
    ASSERT_TRUE(run.load());
    run.form->SetGeometryTwips({0, 0, 500, 500});
    const FormGeometry g = run.form->GeometryTwips();
    const double tpp = run.form->TwipsPerPixel();
    EXPECT_GE(g.Width, 1000);
    EXPECT_GE(g.Height, 1000);
    EXPECT_LT(g.Width, 1000 + tpp);
    EXPECT_LT(g.Height, 1000 + tpp);
    EXPECT_EQ(run.form->CanvasSurface().widthPx(), run.form->width());
}

TEST(Form1Startup, LockOfALongRunningReaderIsNeverTakenAsStale)
{
    ProgramFolder program;
    QDir().mkpath(program.paths().dataFolder());
    SingleInstanceLock running(program.paths().dataFolder());
    ASSERT_EQ(running.tryAcquire(), SingleInstanceLock::Result::Acquired);
    // The running reader started an hour ago.
    QFile f(running.filePath());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    f.close();

    SingleInstanceLock next(program.paths().dataFolder());
    EXPECT_EQ(next.tryAcquire(), SingleInstanceLock::Result::HeldElsewhere);
    running.release();
    EXPECT_EQ(next.tryAcquire(), SingleInstanceLock::Result::Acquired);
}
