// textreader-cli fetch from outside: the engine program behind it, a page on disk, and the
// command line errors. Nothing is written beside the page.
#include <gtest/gtest.h>

#include <QDir>

#include "support/CliProcess.h"
#include "support/TempFolder.h"

namespace {

TEST(FetchCommand, PrintsMarkedOrPlainTextOfAPage)
{
    TempFolder folder;
    const QString page = folder.file(QStringLiteral("p.html"),
        "<html><head><title>P</title></head><body><b>Bold</b> <a href=\"q.html\">next</a></body></html>");
    const QString url = QStringLiteral("file://") + page;
    const CliOutcome marked = RunTextreaderCli({QStringLiteral("fetch"), url});
    ASSERT_EQ(marked.exitCode, 0) << marked.errors.toStdString();
    const QString text = QString::fromUtf8(marked.out);
    EXPECT_TRUE(text.contains(QStringLiteral("タイトル:P"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\\\\BBold\\\\E")));
    EXPECT_TRUE(text.contains(QStringLiteral("URLList\\\\{0002:file://") + folder.path() + QStringLiteral("/q.html}")));

    const CliOutcome plain = RunTextreaderCli({QStringLiteral("fetch"), url, QStringLiteral("--plain")});
    ASSERT_EQ(plain.exitCode, 0);
    EXPECT_TRUE(plain.out.contains("Bold URL{0002} next"));
    EXPECT_FALSE(plain.out.contains("URLList"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{QStringLiteral("p.html")});
}

TEST(FetchCommand, ErrorsGoToStderrWithAnExitCode)
{
    const CliOutcome refused = RunTextreaderCli({QStringLiteral("fetch"), QStringLiteral("ftp://example.com/")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(refused.errors).contains(QStringLiteral("http、https、file、about")));
    const CliOutcome usage = RunTextreaderCli({QStringLiteral("fetch"), QStringLiteral("--timeout"), QStringLiteral("x")});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.errors.contains("fetch URL"));
}

} // namespace
