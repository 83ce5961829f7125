// textreader-cli convert as a user runs it: the bytes on stdout for a small saved page.
#include <gtest/gtest.h>

#include <QProcess>

#include "core/Codec.h"
#include "support/CliProcess.h"
#include "support/TempFolder.h"

namespace {

CliOutcome Cli(const QStringList& args) { return RunTextreaderCli(QStringList{QStringLiteral("convert")} + args); }

struct ConvertCommandTest : ::testing::Test {
    TempFolder folder;
    QString page(const QByteArray& bytes) { return folder.file(QStringLiteral("page.html"), bytes); }
};

TEST_F(ConvertCommandTest, WritesTheMarkedTextAsUtf8WithNothingAdded)
{
    const QString file = page("<p>日本 &amp; <b>x</b>\n<a href=\"y.html\" name=t>Y</a></p>");
    const CliOutcome run = Cli({file, "--title", "題", "--request-url", "http://h/d/p.html", "--page-url",
                         "http://h/d/p.html", "--base-url", "http://h/"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray("URL\\\\{0001} ：(http://h/d/p.html)\r\nタイトル:題\r\n\r\n日本 & \\\\Bx\\\\E"
                                  "URL\\\\{0002} TagID\\\\{t}Y\r\n\r\n\r\nURLリスト一覧\r\n"
                                  "URLList\\\\{0001:http://h/d/p.html}\r\nURLList\\\\{0002:http://h/d/y.html}\r\n"));

    const CliOutcome plain = Cli({file, "--plain"});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, QByteArray("URL{0001} ：()\r\nタイトル:\r\n\r\n日本 & xURL{0002} タグ{t}Y\r\n"));
}

TEST_F(ConvertCommandTest, ReadsCodePage932AndKeepsPreformattedLinesOfLfFiles)
{
    const QByteArray sjis = codec::EncodeCp932(QStringLiteral("<pre>一 二\n三</pre>")).value();
    const CliOutcome run = Cli({page(sjis), "--plain"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray("URL{0001} ：()\r\nタイトル:\r\n一 二\r\n三"));
}

TEST_F(ConvertCommandTest, LargeFilesKeepEveryCharacterAndLineBreakAcrossReadPieces)
{
    const QString head = QStringLiteral("<pre>") + QString(65530, u'a');
    const QString body = head + QStringLiteral("日本\nx\r\ny\n") + QString(70000, u'b') + QStringLiteral("😀</pre>");
    const QString expectedText = QString(65530, u'a') + QStringLiteral("日本\r\nx\r\ny\r\n") + QString(70000, u'b')
                                 + QStringLiteral("😀");
    const QByteArray prefix("URL{0001} \xEF\xBC\x9A()\r\n\xE3\x82\xBF\xE3\x82\xA4\xE3\x83\x88\xE3\x83\xAB:\r\n");
    for (const QByteArray& bytes : {body.toUtf8(), QByteArray("\xEF\xBB\xBF") + body.toUtf8()}) {
        const CliOutcome run = Cli({page(bytes), "--plain"});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, prefix + expectedText.toUtf8());
    }
    // A file that stops inside a UTF-8 character is not UTF-8: it is read as 932, where the
    // two last bytes are one character.
    const CliOutcome cut = Cli({page(QByteArray(70000, 'c') + "\xE3\x81"), "--plain"});
    EXPECT_EQ(cut.exitCode, 0);
    EXPECT_TRUE(cut.out.endsWith(QByteArray(100, 'c') + QStringLiteral("縺").toUtf8())) << cut.out.right(20).toStdString();
    // A 932 character whose lead byte ends the first read piece.
    const QByteArray split = QByteArray(65535, 'd') + codec::EncodeCp932(QStringLiteral("あい")).value();
    const CliOutcome joined = Cli({page(split), "--plain"});
    EXPECT_EQ(joined.exitCode, 0);
    EXPECT_TRUE(joined.out.endsWith(QByteArray(100, 'd') + QStringLiteral("あい").toUtf8()))
        << joined.out.right(20).toStdString();
}

// A pipe can be read only once, so its bytes are kept until it is known whether they are
// UTF-8 or 932; and output that cannot be written is an error, not a success.
TEST_F(ConvertCommandTest, ReadsPipesWholeAndFailsWhenStdoutIsFull)
{
    const QByteArray sjis = codec::EncodeCp932(QStringLiteral("<p>日本語\nです")).value();
    QProcess pipe;
    pipe.start(QStringLiteral(TR_BIN_DIR "/textreader-cli"), {"convert", "/dev/stdin", "--plain"});
    ASSERT_TRUE(pipe.waitForStarted());
    pipe.write(sjis);
    pipe.closeWriteChannel();
    ASSERT_TRUE(pipe.waitForFinished(60000));
    EXPECT_EQ(pipe.exitCode(), 0);
    EXPECT_EQ(pipe.readAllStandardOutput(), QStringLiteral("URL{0001} ：()\r\nタイトル:\r\n\r\n日本語です").toUtf8());

    QProcess full;
    full.setStandardOutputFile(QStringLiteral("/dev/full"));
    full.start(QStringLiteral(TR_BIN_DIR "/textreader-cli"), {"convert", page("<p>x")});
    ASSERT_TRUE(full.waitForFinished(60000));
    EXPECT_EQ(full.exitCode(), 1);
    EXPECT_TRUE(full.readAllStandardError().contains("標準出力"));
}

TEST_F(ConvertCommandTest, RefusesMissingFilesAndUnknownOptions)
{
    EXPECT_EQ(Cli({folder.path() + QStringLiteral("/none.html")}).exitCode, 1);
    EXPECT_EQ(Cli({page("x"), "--colour"}).exitCode, 2);
    EXPECT_EQ(Cli({page("x"), "--title"}).exitCode, 2);
    const CliOutcome none = Cli({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.out.isEmpty());
}

} // namespace
