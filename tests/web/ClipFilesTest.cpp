#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "core/Codec.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"
#include "web/ClipFiles.h"
#include "web/ClipboardCopy.h"

namespace {

struct ClipFilesTest : ::testing::Test {
    TempFolder folder;
    ProgramPaths paths = folder.paths();
    ViewerState viewer;
    PageRecord page;

    void fillRecord()
    {
        page.PageUrl = QStringLiteral("http://example.jp/dir/page.html");
        page.PageBaseUrl = QStringLiteral("http://example.jp/");
        page.PageTextLength = 1234;
        page.PageLoaded = true;
        page.PageRequestUrl = QStringLiteral("http://example.jp/dir/./page.html#top");
        page.PageTitle = QStringLiteral("例のページ");
        viewer.PageStartList = QStringLiteral("260,120,1");
        viewer.ReadPosition = 260;
    }
};

} // namespace

TEST_F(ClipFilesTest, ClipTextIsTheTextInCp932AndNothingElse)
{
    viewer.CurrentText = QStringLiteral("一行目\r\n二行目ｶﾅ");
    SaveClipText(paths, viewer);
    EXPECT_EQ(folder.read(paths.dataFile("clip.txt")), codec::EncodeCp932(viewer.CurrentText).value());

    ViewerState restored;
    LoadClipText(paths, restored);
    EXPECT_EQ(restored.CurrentText, viewer.CurrentText);
}

TEST_F(ClipFilesTest, EmptyTextIsSavedAndKeptAsNoData)
{
    SaveClipText(paths, viewer);
    EXPECT_EQ(viewer.CurrentText, u"no data.");
    EXPECT_EQ(folder.read(paths.dataFile("clip.txt")), QByteArray("no data."));
}

TEST_F(ClipFilesTest, TextsOutside932SurviveARestart)
{
    viewer.CurrentText = QStringLiteral("𠮷野家で😀を食べた\r\n");
    SaveClipText(paths, viewer);
    ViewerState restored;
    LoadClipText(paths, restored);
    EXPECT_EQ(restored.CurrentText, viewer.CurrentText);
}

TEST_F(ClipFilesTest, AnEmptyOrMissingClipTextKeepsTheCurrentText)
{
    viewer.CurrentText = QStringLiteral("keep");
    LoadClipText(paths, viewer);                 // missing: created empty, text kept
    EXPECT_EQ(viewer.CurrentText, u"keep");
    EXPECT_TRUE(QFile::exists(paths.dataFile("clip.txt")));
    LoadClipText(folder.paths(false), viewer);
    EXPECT_EQ(viewer.CurrentText, u"keep");
}

TEST_F(ClipFilesTest, AFailedSaveKeepsTheOldClipTextAndTheProgramRunning)
{
    viewer.CurrentText = QStringLiteral("old");
    SaveClipText(paths, viewer);
    viewer.CurrentText = QString(10000, u'x');
    {
        FileSizeLimit fullDisk(50);
        SaveClipText(paths, viewer);
    }
    EXPECT_EQ(folder.read(paths.dataFile("clip.txt")), QByteArray("old"));
    EXPECT_EQ(viewer.CurrentText.size(), 10000);

    ProgramPaths noSave = TempFolder().paths(false);
    viewer.CurrentText.clear();
    SaveClipText(noSave, viewer);                // no Save/ folder: nothing written, no crash
    EXPECT_EQ(viewer.CurrentText, u"no data.");
}

TEST_F(ClipFilesTest, AFailedPageSaveNamesTheFileAndLeavesTheRecordOfTheOldPage)
{
    fillRecord();
    page.PageHtml = QStringLiteral("<p>old</p>");
    QString text = QStringLiteral("old");
    ASSERT_EQ(SaveClipHtml(paths, text, page, viewer), std::nullopt);
    const QByteArray record = folder.read(paths.dataFile("clip.utx"));
    page.PageHtml = QString(10000, u'x');
    page.PageUrl = QStringLiteral("http://example.jp/new");
    std::optional<FileProblem> failed;
    {
        FileSizeLimit fullDisk(500);
        failed = SaveClipHtml(paths, text, page, viewer);
    }
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->file, QStringLiteral("clip.html"));
    EXPECT_EQ(failed->reason, QStringLiteral("ディスクの空きが足りません。"));
    EXPECT_EQ(folder.read(paths.dataFile("clip.utx")), record); // still the old page's record
}

TEST_F(ClipFilesTest, ClipRecordIsWrittenInTheDelimitedForm)
{
    fillRecord();
    page.PageHtml = QStringLiteral("<p>本文</p>");
    QString text = QStringLiteral("marked");
    SaveClipHtml(paths, text, page, viewer);
    EXPECT_EQ(folder.read(paths.dataFile("clip.html")), codec::EncodeCp932(page.PageHtml).value());
    const QByteArray expected = codec::EncodeCp932(QStringLiteral(
        "\"http://example.jp/dir/page.html\"\r\n"
        "\"http://example.jp/\"\r\n"
        "1234\r\n"
        "#TRUE#\r\n"
        "\"http://example.jp/dir/./page.html#top\"\r\n"
        "\"例のページ\"\r\n"
        "\"260,120,1\"\r\n"
        "260\r\n")).value();
    EXPECT_EQ(folder.read(paths.dataFile("clip.utx")), expected);
    EXPECT_EQ(text, u"marked");
}

TEST_F(ClipFilesTest, SavingAnEmptyArgumentAndHtml)
{
    QString text;
    SaveClipHtml(paths, text, page, viewer);
    EXPECT_EQ(text, u"no data.");
    EXPECT_EQ(folder.read(paths.dataFile("clip.html")), QByteArray());
    PageRecord restored;
    EXPECT_EQ(LoadClipHtml(paths, QString(), restored, viewer), u"no data.");
    EXPECT_EQ(restored.PageHtml, u"no data.");
}

TEST_F(ClipFilesTest, LoadRestoresThePositionOnlyWithOptionL)
{
    fillRecord();
    page.PageHtml = QStringLiteral("<b>x</b>");
    QString text = QStringLiteral("t");
    SaveClipHtml(paths, text, page, viewer);

    PageRecord restored;
    ViewerState other;
    other.PageStartList = QStringLiteral("1");
    other.ReadPosition = 1;
    LoadClipHtml(paths, QStringLiteral("x"), restored, other);
    EXPECT_EQ(restored.PageUrl, page.PageUrl);
    EXPECT_EQ(restored.PageBaseUrl, page.PageBaseUrl);
    EXPECT_EQ(restored.PageTextLength, 1234);
    EXPECT_TRUE(restored.PageLoaded);
    EXPECT_EQ(restored.PageRequestUrl, page.PageRequestUrl);
    EXPECT_EQ(restored.PageTitle, page.PageTitle);
    EXPECT_EQ(restored.PageHtml, page.PageHtml);
    EXPECT_EQ(other.PageStartList, u"1");
    EXPECT_EQ(other.ReadPosition, 1);

    LoadClipHtml(paths, QStringLiteral("l"), restored, other);   // the test is case-sensitive
    EXPECT_EQ(other.ReadPosition, 1);
    LoadClipHtml(paths, QStringLiteral("L"), restored, other);
    EXPECT_EQ(other.PageStartList, u"260,120,1");
    EXPECT_EQ(other.ReadPosition, 260);
}

TEST_F(ClipFilesTest, TitlesWithQuotesAndCharactersOutside932SurviveTheRecord)
{
    fillRecord();
    page.PageTitle = QStringLiteral("\"引用\", 𠮷 and a, comma");
    page.PageTextLength = 2.5;
    page.PageRequestUrl = QStringLiteral("two\r\nlines \"quoted\"");
    QString text = QStringLiteral("t");
    SaveClipHtml(paths, text, page, viewer);
    PageRecord restored;
    LoadClipHtml(paths, QString(), restored, viewer);
    EXPECT_EQ(restored.PageTitle, page.PageTitle);
    EXPECT_EQ(restored.PageTextLength, 2.5);
    EXPECT_EQ(restored.PageUrl, page.PageUrl);
    EXPECT_EQ(restored.PageRequestUrl, page.PageRequestUrl);
    EXPECT_EQ(restored.PageBaseUrl, page.PageBaseUrl);
}

TEST_F(ClipFilesTest, AHandDamagedRecordDegradesFieldByField)
{
    page.PageTextLength = 7;
    page.PageLoaded = true;
    folder.write(paths.dataFile("clip.utx"),
                 "\"http://a/\"\r\n\"http://b/\"\r\nnot a number\r\nmaybe\r\n\"req\"\r\n\"title\"\r\n\"5,1\"\r\nxyz\r\n");
    viewer.ReadPosition = 3;
    LoadClipHtml(paths, QStringLiteral("L"), page, viewer);
    EXPECT_EQ(page.PageUrl, u"http://a/");
    EXPECT_EQ(page.PageTextLength, 7);       // kept: the field does not parse
    EXPECT_TRUE(page.PageLoaded);            // kept
    EXPECT_EQ(page.PageTitle, u"title");
    EXPECT_EQ(viewer.PageStartList, u"5,1");
    EXPECT_EQ(viewer.ReadPosition, 3);       // kept

    folder.write(paths.dataFile("clip.utx"), "\"only url");   // cut short
    LoadClipHtml(paths, QString(), page, viewer);
    EXPECT_EQ(page.PageUrl, u"only url");
    EXPECT_EQ(page.PageBaseUrl, u"http://b/");
}

TEST_F(ClipFilesTest, ShorterHtmlReplacesLongerHtmlWhole)
{
    page.PageHtml = QString(5000, u'a');
    QString text = QStringLiteral("t");
    SaveClipHtml(paths, text, page, viewer);
    page.PageHtml = QStringLiteral("<i>b</i>");
    SaveClipHtml(paths, text, page, viewer);
    EXPECT_EQ(folder.read(paths.dataFile("clip.html")), QByteArray("<i>b</i>"));
}

TEST_F(ClipFilesTest, PartialAndWholeFileReads)
{
    const QString path = folder.path() + "/saved.txt";
    const QString hundred = QString(50, u'あ') + QString(50, u'a');
    folder.write(path, codec::EncodeTextFile(hundred));
    EXPECT_EQ(ReadSavedTextPart(path, 600), hundred);
    EXPECT_EQ(ReadSavedTextPart(path, 51), QString(50, u'あ') + u'a');
    EXPECT_EQ(ReadSavedTextPart(path, 0), QString());
    EXPECT_EQ(ReadSaveFile(path), hundred);
    EXPECT_EQ(ReadSaveFile(folder.path() + "/missing.txt"), QString());
    const QString emoji = QStringLiteral("😀😀😀x");
    folder.write(path, codec::EncodeTextFile(emoji));
    EXPECT_EQ(ReadSavedTextPart(path, 2), QStringLiteral("😀"));
}

TEST(ClipboardCopy, MarkersAreStrippedAndTheUrlListCut)
{
    const QString marked = QStringLiteral(
        "前\\\\B強調\\\\E後 URL\\\\{0001} リンク TagID\\\\{top}\\\\O色\\\\N"
        "\r\n\r\nURLリスト一覧\r\nURLList\\\\{0001:http://a/}\r\n");
    EXPECT_EQ(ClipboardPlainText(marked), QStringLiteral("前強調後 URL{0001} リンク タグ{top}色"));
    EXPECT_EQ(ClipboardPlainText(QStringLiteral("plain\r\ntext")), QStringLiteral("plain\r\ntext"));
}

TEST(ClipboardCopy, PutsThePlainFormWithPlatformLineBreaks)
{
    CopyTextToClipboard(QStringLiteral("a\\\\Bb\\\\E\r\nc"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    ASSERT_NE(clipboard, nullptr);
#ifdef Q_OS_WIN
    EXPECT_EQ(clipboard->text(), QStringLiteral("ab\r\nc"));
#else
    EXPECT_EQ(clipboard->text(), QStringLiteral("ab\nc"));
#endif
}
