// The command line tool as one program: commands it does not run itself reach the font
// program beside it, and every wrong command line ends with the full usage.
#include <gtest/gtest.h>

#include <QProcess>

namespace {

struct Outcome {
    int exitCode = -1;
    QString errors;
};

Outcome RunCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TR_BIN_DIR "/textreader-cli"), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(CliUsage, UnknownOrMissingCommandsListEveryCommand)
{
    for (const QStringList& args : {QStringList{}, QStringList{"layout"}, QStringList{"CONVERT", "x"}}) {
        const Outcome run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.errors.contains("textreader-cli convert FILE")) << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains("textreader-cli paginate FILE")) << run.errors.toStdString();
    }
}

} // namespace
