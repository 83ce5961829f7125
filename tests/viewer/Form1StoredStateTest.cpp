// What the real start-up and close make of stored files that are hostile, damaged or cannot
// be written: the window stays reachable, the position inside the text, nothing unreadable
// is overwritten unseen and no failed save passes for a success.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "Form1Fixture.h"
#include "core/Codec.h"
#include "settings/IniStore.h"
#include "support/FileSizeLimit.h"
#include "web/ClipFiles.h"

namespace {

QString SaveFile(const ProgramFolder& p, const char* name) { return p.paths().dataFile(QString::fromLatin1(name)); }

void WriteSettings(const ProgramFolder& p, const QByteArray& formData)
{
    QDir().mkpath(p.paths().dataFolder());
    p.folder.write(SaveFile(p, "Setting.ini"), "[FormData]\r\n" + formData);
}

QString Howto(const ProgramFolder& p) { return ReadSaveFile(p.paths().programFile(QStringLiteral("Howto.txt"))); }

} // namespace

TEST(Form1StoredState, HostileGeometryAndPositionsAreClampedAndSavedBackSane)
{
    ProgramFolder program;
    program.writeClipText("a short text");
    WriteSettings(program, "FormL=99999999999999\r\nFormT=-5e9\r\nFormW=1e308\r\nFormH=100000000\r\n"
                           "RirekiLen=20\r\nRireki=99999999999,-5,abc\r\nTextlength=99999999999\r\n");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    {
        ViewerRun run(program.paths());
        ASSERT_TRUE(run.load());
        const QRect window = run.form->frameGeometry();
        EXPECT_TRUE(screen.contains(window)) << window.x() << ',' << window.y() << ' ' << window.width();
        EXPECT_EQ(run.viewer.ReadPosition, 1 + 12); // laid out from the start: the whole text
        EXPECT_EQ(run.viewer.PageStartList, QStringLiteral("1"));
        EXPECT_EQ(run.viewer.PageText, QStringLiteral("a short text"));
    }
    IniStore ini(program.paths());
    const double tpp = 1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInch();
    EXPECT_LE(ini.ReadIniNumber(QStringLiteral("FormData"), QStringLiteral("FormL")), screen.right() * tpp);
    EXPECT_LE(ini.ReadIniNumber(QStringLiteral("FormData"), QStringLiteral("FormW")), screen.width() * tpp + 1);

    // A list with garbage among its entries keeps what still moves forward inside the text.
    program.writeClipText(codec::EncodeTextFile(NumberedLines(100)));
    WriteSettings(program, "RirekiLen=22\r\nRireki=900,x,5000000,300,-1,1\r\nTextlength=1200\r\n");
    ViewerRun again(program.paths());
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.viewer.PageStartList, QStringLiteral("900,300,1"));
}

TEST(Form1StoredState, FailedSavesAreToldOnceAndLeaveTheOldTextAndItsPosition)
{
    ProgramFolder program;
    program.writeClipText("old text");
    WriteSettings(program, "Rireki=1\r\nTextlength=1\r\n");
    ViewerRun run(program.paths());
    ASSERT_TRUE(run.load());
    run.viewer.CurrentText = NumberedLines(400); // far larger than the disk has room for
    run.viewer.PageStartList = QStringLiteral("900,1");
    {
        FileSizeLimit full(2048);
        run.form->Form_Unload();
    }
    ASSERT_EQ(run.prompter.texts.size(), 1);
    EXPECT_TRUE(run.prompter.texts[0].contains(QStringLiteral("clip.txt: ディスクの空きが足りません。")))
        << run.prompter.texts[0].toStdString();
    EXPECT_EQ(run.prompter.titles[0], QStringLiteral("テキストリーダ"));
    EXPECT_EQ(run.form->ExitReport().items().size(), 1);
    EXPECT_EQ(program.folder.read(SaveFile(program, "clip.txt")), QByteArray("old text"));
    // The position that belongs to the unsaved text is not stored for the old one.
    IniStore ini(program.paths());
    EXPECT_EQ(ini.ReadIniValue(QStringLiteral("FormData"), QStringLiteral("Rireki")).toText(), QStringLiteral("1"));

    // A folder where clip.txt belongs is named with its own reason.
    ProgramFolder blocked;
    QDir().mkpath(SaveFile(blocked, "clip.txt"));
    ViewerRun second(blocked.paths());
    ASSERT_TRUE(second.load());
    second.form->Form_Unload();
    ASSERT_EQ(second.prompter.texts.size(), 1);
    EXPECT_TRUE(second.prompter.texts[0].contains(QStringLiteral("clip.txt: 同じ名前のフォルダがあります。")));
}

TEST(Form1StoredState, UnusableClipFilesAreKeptAsideAndNeverBlockTheStart)
{
    // Hand-written UTF-8 without a byte-order mark: read as written, not rewritten at close.
    ProgramFolder utf8;
    const QByteArray handWritten = QStringLiteral("手で書いた文章").toUtf8();
    utf8.writeClipText(handWritten);
    {
        ViewerRun run(utf8.paths());
        ASSERT_TRUE(run.load());
        EXPECT_EQ(run.viewer.CurrentText, QStringLiteral("手で書いた文章"));
    }
    EXPECT_EQ(utf8.folder.read(SaveFile(utf8, "clip.txt")), handWritten);

    // Bytes 932 does not define: the original is kept as clip.txt.bad and the user told.
    ProgramFolder broken;
    const QByteArray damaged("abc\x85\x40\xFD", 6);
    broken.writeClipText(damaged);
    {
        ViewerRun run(broken.paths());
        ASSERT_TRUE(run.load());
        EXPECT_TRUE(run.form->Page().StatusMessage.contains(QStringLiteral("clip.txt.bad")));
        run.viewer.CurrentText = QStringLiteral("new");
    }
    EXPECT_EQ(broken.folder.read(SaveFile(broken, "clip.txt.bad")), damaged);
    EXPECT_EQ(broken.folder.read(SaveFile(broken, "clip.txt")), QByteArray("new"));

    // A pipe, a link to an endless device, a file past the cap: the start goes on with the
    // help text, and says which limit was hit.
    ProgramFolder odd;
    QDir().mkpath(odd.paths().dataFolder());
    ASSERT_EQ(mkfifo(QFile::encodeName(SaveFile(odd, "clip.txt")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), SaveFile(odd, "clip.html")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), SaveFile(odd, "Setting.ini")));
    {
        ViewerRun run(odd.paths());
        ASSERT_TRUE(run.load());
        EXPECT_EQ(run.viewer.CurrentText, Howto(odd));
        EXPECT_EQ(run.record.PageHtml, kNoData);
        run.form->Form_Unload();
        ASSERT_EQ(run.prompter.texts.size(), 1); // the pipe is not replaced by a file either
        EXPECT_TRUE(run.prompter.texts[0].contains(QStringLiteral("clip.txt: 普通のファイルではありません。")));
    }
    EXPECT_EQ(QFileInfo(SaveFile(odd, "Setting.ini")).symLinkTarget(), QStringLiteral("/dev/zero"));
    ProgramFolder huge;
    huge.writeClipText("x");
    ASSERT_TRUE(QFile::resize(SaveFile(huge, "clip.txt"), qint64(300) << 20));
    ViewerRun run(huge.paths());
    ASSERT_TRUE(run.load());
    EXPECT_EQ(run.viewer.CurrentText, Howto(huge));
    EXPECT_TRUE(run.form->Page().StatusMessage.contains(QStringLiteral("上限 256 MB"))) << run.form->Page().StatusMessage.toStdString();
    EXPECT_EQ(QFileInfo(SaveFile(huge, "clip.txt.bad")).size(), qint64(300) << 20);
}

TEST(Form1StoredState, AStartThatFindsNoTextShowsTheHelp)
{
    // What a first run killed at once leaves: Save/ with empty files.
    ProgramFolder program;
    program.writeClipText(QByteArray());
    for (const char* name : {"rireki.dat", "Setting.ini", "clip.html", "clip.utx"})
        program.folder.write(SaveFile(program, name), QByteArray());
    ViewerRun run(program.paths());
    ASSERT_TRUE(run.load());
    EXPECT_EQ(run.viewer.CurrentText, Howto(program));
    EXPECT_TRUE(run.viewer.PageText.startsWith(Howto(program).left(5)));
}
