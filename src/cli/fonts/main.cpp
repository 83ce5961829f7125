// textreader-cli-fonts: every command, the font ones inside a QGuiApplication; a command it
// does not know goes on to textreader-cli-engine beside it, which loads the browser engine.
#include "cli/fonts/CliCommand.h"

#include <QGuiApplication>


int main(int argc, char** argv)
{
    const CliRequest request = ReadCliRequest(argc, argv);
    if (request.ran)
        return *request.ran;
    if (!request.command)
        return argc >= 2 ? HandToProgram("textreader-cli-engine", argv) : PrintCliUsage();
    // Layout needs fonts, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication app(argc, argv);
    return request.command->run(request.args);
}
