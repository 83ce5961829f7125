// textreader-cli-fonts: every command, the font ones inside a QGuiApplication.
#include "cli/CliCommand.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    QStringList args = CliArguments(argc, argv);
    if (args.isEmpty())
        return PrintCliUsage();
    const auto it = CliCommands().find(args.takeFirst());
    if (it == CliCommands().end())
        return PrintCliUsage();
    if (it->second.needs == CliNeeds::Text)
        return it->second.run(args);
    // Layout needs fonts, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication app(argc, argv);
    return it->second.run(args);
}
