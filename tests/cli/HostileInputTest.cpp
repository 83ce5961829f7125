// Inputs that never end or are too large: both commands stop at the size cap and say so,
// while an ordinary pipe still works.
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include "support/CliProcess.h"
#include "support/TempFolder.h"

TEST(CliHostileInput, EndlessAndHugeInputsAreRefusedByTheirSizePipesStillWork)
{
    TempFolder folder;
    const QString huge = folder.file(QStringLiteral("huge.txt"), "x");
    ASSERT_TRUE(QFile::resize(huge, qint64(300) << 20)); // sparse: costs no disk
    for (const QString& input : {QStringLiteral("/dev/zero"), huge}) {
        for (const char* command : {"convert", "paginate"}) {
            const CliOutcome run = RunTextreaderCli({QString::fromLatin1(command), input});
            EXPECT_EQ(run.exitCode, 1) << command << ' ' << input.toStdString();
            EXPECT_TRUE(QString::fromUtf8(run.errors).contains(QStringLiteral("256 MB")))
                << command << ": " << run.errors.toStdString();
        }
    }

    QProcess pipe;
    pipe.start(QStringLiteral(TR_BIN_DIR "/textreader-cli"), {"paginate", "/dev/stdin"});
    ASSERT_TRUE(pipe.waitForStarted());
    pipe.write("A\r\n\r\n\r\nB");
    pipe.closeWriteChannel();
    ASSERT_TRUE(pipe.waitForFinished(60000));
    EXPECT_EQ(pipe.exitCode(), 0) << pipe.readAllStandardError().toStdString();
    EXPECT_EQ(pipe.readAllStandardOutput().count('\n'), 2);
}
