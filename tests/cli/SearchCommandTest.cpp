// textreader-cli search as a user runs it: the page it names is one that paginate gives.
#include <gtest/gtest.h>

#include "support/CliProcess.h"
#include "support/TempFolder.h"

namespace {

QList<int> Numbers(const QByteArray& out)
{
    QList<int> numbers;
    for (const QByteArray& line : out.split('\n'))
        if (!line.isEmpty())
            numbers << line.split(' ').last().toInt();
    return numbers;
}

} // namespace

TEST(SearchCommand, NamesThePagePaginateGivesForwardsAndBack)
{
    const QString howto = QStringLiteral(TR_SOURCE_DIR "/data/Howto.txt");
    const QList<int> starts = Numbers(RunTextreaderCli({QStringLiteral("paginate"), howto}).out);
    ASSERT_GT(starts.size(), 3);

    // From the second page on, a term the text lacks.
    const CliOutcome page = RunTextreaderCli({QStringLiteral("search"), howto, QStringLiteral("--from"),
                                              QString::number(starts[1]), QStringLiteral("zzz-not-there")});
    EXPECT_EQ(page.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(page.out).contains(QStringLiteral("一番下まで")));

    for (const bool backward : {false, true}) {
        QStringList args{QStringLiteral("search"), howto, QStringLiteral("Esc")};
        if (backward)
            args << QStringLiteral("--backward");
        const CliOutcome found = RunTextreaderCli(args);
        ASSERT_EQ(found.exitCode, 0) << found.errors.toStdString();
        const QList<int> at = Numbers(found.out);
        ASSERT_EQ(at.size(), 2);
        EXPECT_TRUE(starts.contains(at[0]));
        EXPECT_LE(at[0], at[1]);
        const qsizetype next = starts.indexOf(at[0]) + 1;
        if (next < starts.size())
            EXPECT_LT(at[1], starts[next]); // the match lies on that page
    }
    // A start that is no page start, and a missing term, are refused.
    EXPECT_EQ(RunTextreaderCli({QStringLiteral("search"), howto, QStringLiteral("a"), QStringLiteral("--from"),
                                QString::number(starts[1] + 1)}).exitCode, 2);
    EXPECT_EQ(RunTextreaderCli({QStringLiteral("search"), howto}).exitCode, 2);
}
