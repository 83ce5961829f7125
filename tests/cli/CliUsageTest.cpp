// The command line tool as one program: commands it does not run itself reach the font
// program beside it, and every wrong command line ends with the full usage.
#include <gtest/gtest.h>

#include "support/CliProcess.h"

namespace {

TEST(CliUsage, UnknownOrMissingCommandsListEveryCommand)
{
    for (const QStringList& args : {QStringList{}, QStringList{"layout"}, QStringList{"CONVERT", "x"}}) {
        const CliOutcome run = RunTextreaderCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.errors.contains("textreader-cli convert FILE")) << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains("textreader-cli paginate FILE")) << run.errors.toStdString();
    }
}

} // namespace
