// The URL macro reads macro.csv, fetches each page and saves it in the library under its title.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QUrl>
#include <map>

#include "library/LibraryFixture.h"
#include "library/MacroCommand.h"
#include "library/MacroFile.h"
#include "library/MacroRunner.h"
#include "library/ui/Form7.h"

namespace {

// Pages by URL: a known URL becomes the current document with its clip files, as the
// browser's go leaves it; any other fails as an unreachable page does.
class ScriptedPages : public MacroPageSource {
public:
    ScriptedPages(LibraryFixture& fx) : fx_(fx) {}
    std::map<QString, QString> pages;
    QStringList fetched;

    Page FetchMacroPage(const QString& url) override
    {
        fetched << url;
        const auto it = pages.find(url);
        if (it == pages.end())
            return {false, {}, QStringLiteral("HTTP 404")};
        fx_.document(it->second, QStringLiteral("<html>") + it->second);
        return {true, it->second, {}};
    }

private:
    LibraryFixture& fx_;
};

struct Macro : ::testing::Test, LibraryFixture {
    ScriptedPages pages{*this};
    Form7 form7{f(), *form6, pages};

    void macroFile(const QByteArray& bytes) { folder.write(paths.dataFile(QStringLiteral("macro.csv")), bytes); }
    QByteArray entryText(const QString& name) { return folder.read(clipDir() + name + QStringLiteral(".txt")); }
};

QStringList Fields(const char* utf8)
{
    QStringList out;
    for (const MacroField& f : ReadMacroFields(QString::fromUtf8(utf8)))
        out << f.text;
    return out;
}

} // namespace

TEST(MacroFile, FieldsPairUpWhereverTheLinesBreak)
{
    EXPECT_EQ(Fields("\"http://a/\",\"A, with comma\"\r\n  b , c \r\n\r\n\"d\"x,e"),
              (QStringList{"http://a/", "A, with comma", "b", "c", "d", "e"}));
    EXPECT_EQ(Fields("u,\r\nv"), (QStringList{"u", "", "v"}));
    const std::vector<MacroEntry> split = ReadMacroEntries(QStringLiteral("\"u1\"\r\n\"t1\",\"u2\"\r\n\"t2\"\r\n\"u3\""));
    ASSERT_EQ(split.size(), 3u);
    EXPECT_EQ(split[0].title, QStringLiteral("t1"));
    EXPECT_EQ(split[1].url, QStringLiteral("u2"));
    EXPECT_EQ(split[1].line, 2);
    EXPECT_EQ(split[2].title, QString()); // a lone last field
    // UTF-8 with a byte-order mark and code page 932 read alike.
    const QByteArray bom = "\xEF\xBB\xBF\"http://x/\",\"日本語\"";
    EXPECT_EQ(ReadMacroEntries(QByteArrayView(bom))[0].title, QStringLiteral("日本語"));
    const QByteArray sjis = "\"http://x/\",\"\x93\xfa\x96\x7b\"";
    EXPECT_EQ(ReadMacroEntries(QByteArrayView(sjis))[0].title, QStringLiteral("日本"));
}

TEST_F(Macro, AnEmptyFileChangesNothing)
{
    macroFile("");
    form7.Command1_Click();
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(pages.fetched.isEmpty());
    EXPECT_EQ(form7.Label2().text(), QStringLiteral("ﾏｸﾛ終了: 0件保存、0件失敗。"));
}

TEST_F(Macro, FailedPagesAreNotSavedAndTheRunGoesOnToItsSummary)
{
    pages.pages[QStringLiteral("http://h/1")] = QStringLiteral("page one");
    pages.pages[QStringLiteral("http://h/2")] = QStringLiteral("page two");
    macroFile("\"http://h/1\",\"same\"\r\n"
              "\"http://h/missing\",\"lost\"\r\n"
              "\"http://h/2\",\"same\"\r\n"
              "\"http://h/1\",\"../escape\"\r\n"
              "\"http://h/2\",\"日本語のタイトル\"\r\n");
    form7.Command1_Click();
    EXPECT_EQ(prompter.asked(), 0);
    EXPECT_FALSE(form6->MacroRunning);
    EXPECT_TRUE(form7.Command1().isEnabled());
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("same"), QStringLiteral("日本語のタイトル")}));
    EXPECT_EQ(entryText(QStringLiteral("same")), QByteArray("page two"));
    EXPECT_FALSE(QFileInfo::exists(clipDir() + QStringLiteral("lost.txt")));
    EXPECT_EQ(pages.fetched.size(), 4); // the unsafe title was not fetched
    EXPECT_EQ(form7.Label2().text(),
              QStringLiteral("ﾏｸﾛ終了: 3件保存、2件失敗（2行目「lost」、4行目「../escape」）。"));
    EXPECT_TRUE(form7.Report().toPlainText().contains(QStringLiteral("2行目 失敗: lost (HTTP 404)")));
}

TEST_F(Macro, ALineWithOneFieldTakesItsTitleFromTheNextLine)
{
    pages.pages[QStringLiteral("http://h/1")] = QStringLiteral("one");
    macroFile("http://h/1\r\nnamed\r\n");
    form7.Command1_Click();
    EXPECT_EQ(listed(), QStringList{QStringLiteral("named")});
}

TEST_F(Macro, TheCommandLineRunPrintsEachLineAndTheTotals)
{
    pages.pages[QStringLiteral("http://h/1")] = QStringLiteral("one");
    const QString file = folder.file(QStringLiteral("list.csv"), "\"http://h/1\",\"t\"\r\n\"http://h/x\",\"u\"\r\n");
    QStringList out, err;
    const auto to = [](QStringList& l) { return [&l](const QString& s) { l << s; }; };
    EXPECT_EQ(RunMacroCommand({file}, pages, paths, viewer, to(out), to(err)), 1);
    EXPECT_EQ(out, (QStringList{QStringLiteral("1行目 保存: t"), QStringLiteral("2行目 失敗: u (HTTP 404)"),
                                QStringLiteral("ﾏｸﾛ終了: 1件保存、1件失敗（2行目「u」）。")}));
    EXPECT_EQ(entryText(QStringLiteral("t")), QByteArray("one"));
    EXPECT_EQ(RunMacroCommand({folder.path() + QStringLiteral("/none.csv")}, pages, paths, viewer, to(out), to(err)), 1);
    EXPECT_EQ(RunMacroCommand({file, file}, pages, paths, viewer, to(out), to(err)), 2);
    EXPECT_EQ(err.size(), 2);
}

class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

TEST_F(Macro, OpeningTheFileCreatesItEmptyFirst)
{
    OpenedUrls opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
    const QString path = paths.dataFile(QStringLiteral("macro.csv"));
    form7.Command2_Click(1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls[0].toLocalFile(), path);
}

#include "MacroTest.moc"
