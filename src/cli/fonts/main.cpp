// textreader-cli-fonts: every command, the font ones inside a QGuiApplication; a command it
// does not know goes on to textreader-cli-engine beside it, which loads the browser engine.
#include "cli/fonts/CliCommand.h"

#include <QGuiApplication>

#include "cli/TextCommand.h"

int main(int argc, char** argv)
{
    if (argc >= 2) {
        const auto text = TextCommands().find(argv[1]);
        if (text != TextCommands().end())
            return text->second.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    QStringList args = CliArguments(argc, argv);
    if (args.isEmpty())
        return PrintCliUsage();
    const auto it = CliCommands().find(args.takeFirst());
    if (it == CliCommands().end())
        return HandToProgram("textreader-cli-engine", argv);
    // Layout needs fonts, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication app(argc, argv);
    return it->second.run(args);
}
