// textreader-cli-engine: the commands that load the browser engine. Each is one file in this
// folder that registers itself with a CliCommandRegistration; the font and text commands are
// held here too, so that a wrong command line still ends with the full usage.
#include "cli/fonts/CliCommand.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include "web/engine/EngineSanitizerOptions.h"

int main(int argc, char** argv)
{
    const CliRequest request = ReadCliRequest(argc, argv);
    if (request.ran)
        return *request.ran;
    if (!request.command)
        return PrintCliUsage();
    // The engine wants a display only to show pages, which it never does here.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QGuiApplication app(argc, argv);
    // The engine's report of its graphics set-up is no business of a command line.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false\nqt.webenginecontext.debug=false"));
    return request.command->run(request.args);
}
