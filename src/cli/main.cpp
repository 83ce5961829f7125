#include "cli/CliCommand.h"

#include <QGuiApplication>
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

void WriteStderr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

namespace {

int Usage()
{
    QString text = QStringLiteral("使い方: textreader-cli COMMAND ...\n");
    for (const auto& [name, info] : CliCommands())
        text += QStringLiteral("  textreader-cli ") + name + u' ' + QString::fromUtf8(info.usage) + u'\n';
    WriteStderr(text);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (args.isEmpty())
        return Usage();
    const auto it = CliCommands().find(args.takeFirst());
    if (it == CliCommands().end())
        return Usage();
    if (it->second.needs == CliNeeds::Text)
        return it->second.run(args);
    // Layout needs fonts, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication app(argc, argv);
    return it->second.run(args);
}
