#include "cli/CliCommand.h"

#include <QStringEncoder>
#include <algorithm>
#include <cstdio>

std::map<QString, CliCommandInfo>& CliCommands()
{
    static std::map<QString, CliCommandInfo> commands;
    return commands;
}

void WriteStdout(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void WriteStdoutUtf8(QStringView text)
{
    constexpr qsizetype kPiece = 64 * 1024;
    QStringEncoder encoder(QStringEncoder::Utf8); // keeps a pair cut between pieces whole
    QByteArray piece;
    for (qsizetype at = 0; at < text.size(); at += kPiece) {
        const QStringView part = text.sliced(at, std::min(kPiece, text.size() - at));
        piece.resize(encoder.requiredSpace(part.size()));
        const char* const end = encoder.appendToBuffer(piece.data(), part);
        std::fwrite(piece.constData(), 1, size_t(end - piece.constData()), stdout);
    }
    std::fflush(stdout);
}

void WriteStderr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int PrintCliUsage()
{
    QString text = QStringLiteral("使い方: textreader-cli COMMAND ...\n");
    for (const auto& [name, info] : CliCommands())
        text += QStringLiteral("  textreader-cli ") + name + u' ' + QString::fromUtf8(info.usage) + u'\n';
    WriteStderr(text);
    return 2;
}

QStringList CliArguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return args;
}
