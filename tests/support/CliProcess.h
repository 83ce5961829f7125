#pragma once
// textreader-cli run as a user runs it, from the build's program folder.
#include <QProcess>
#include <QStringList>

struct CliOutcome {
    int exitCode = -1; // -1 when it crashed or did not finish
    QByteArray out;
    QByteArray errors;
};

inline CliOutcome RunTextreaderCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TR_BIN_DIR "/textreader-cli"), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}
