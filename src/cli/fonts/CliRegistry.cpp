#include "cli/fonts/CliCommand.h"

#include <cstdio>

#include "cli/TextCommand.h"

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

void WriteStderr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int PrintCliUsage()
{
    std::map<QString, const char*> usages;
    for (const auto& [name, info] : CliCommands())
        usages[name] = info.usage;
    for (const auto& [name, info] : TextCommands())
        usages[QString::fromStdString(name)] = info.usage;
    QString text = QStringLiteral("使い方: textreader-cli COMMAND ...\n");
    for (const auto& [name, usage] : usages)
        text += QStringLiteral("  textreader-cli ") + name + u' ' + QString::fromUtf8(usage) + u'\n';
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
