// textreader-cli paginate as a user runs it: the page starts the viewer's own layout gives.
#include <gtest/gtest.h>

#include "support/CliProcess.h"
#include "support/TempFolder.h"

namespace {

struct PageStarts {
    int exitCode = -1;
    QStringList starts;
};

PageStarts Paginate(const QString& file, const QStringList& options = {})
{
    const CliOutcome outcome = RunTextreaderCli(QStringList{QStringLiteral("paginate"), file} + options);
    PageStarts run{outcome.exitCode, {}};
    for (const QByteArray& line : outcome.out.split('\n'))
        if (!line.isEmpty())
            run.starts.append(QString::fromUtf8(line).trimmed());
    return run;
}

struct PaginateCommandTest : ::testing::Test {
    TempFolder folder;
    QString text(const QByteArray& bytes) { return folder.file(QStringLiteral("text.txt"), bytes); }
};

} // namespace

TEST_F(PaginateCommandTest, ThreeLineBreaksEndAPageUnlessIgnored)
{
    const QString file = text("A\r\n\r\n\r\nB");
    const PageStarts pages = Paginate(file);
    EXPECT_EQ(pages.exitCode, 0);
    ASSERT_EQ(pages.starts.size(), 2);
    EXPECT_EQ(pages.starts[0], u"1");
    EXPECT_GT(pages.starts[1].toInt(), 1);
    EXPECT_LE(pages.starts[1].toInt(), 8);

    const PageStarts ignored = Paginate(file, {QStringLiteral("--return-mushi")});
    EXPECT_EQ(ignored.exitCode, 0);
    EXPECT_EQ(ignored.starts, QStringList{QStringLiteral("1")});
}

TEST_F(PaginateCommandTest, ASmallerWindowHoldsLessPerPage)
{
    QByteArray body;
    for (int i = 0; i < 200; ++i)
        body += "日本語の文章を一行ずつ並べた長いテキストです。\r\n";
    const QString file = text(body);
    const PageStarts wide = Paginate(file);
    const PageStarts narrow = Paginate(file, {QStringLiteral("--width"), QStringLiteral("3000"), QStringLiteral("--height"),
                                       QStringLiteral("1500")});
    EXPECT_EQ(wide.exitCode, 0);
    EXPECT_EQ(narrow.exitCode, 0);
    EXPECT_GT(wide.starts.size(), 1);
    EXPECT_GT(narrow.starts.size(), wide.starts.size());
    for (qsizetype i = 1; i < narrow.starts.size(); ++i)
        EXPECT_GT(narrow.starts[i].toInt(), narrow.starts[i - 1].toInt());   // pages only move forward
}

TEST_F(PaginateCommandTest, RefusesBadInput)
{
    EXPECT_NE(Paginate(folder.path() + QStringLiteral("/missing.txt")).exitCode, 0);
    EXPECT_NE(Paginate(text("x"), {QStringLiteral("--width"), QStringLiteral("-5")}).exitCode, 0);
    EXPECT_NE(Paginate(text("x"), {QStringLiteral("--bogus")}).exitCode, 0);
}
