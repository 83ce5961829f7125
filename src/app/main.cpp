#include <QApplication>
#include <QStringList>

#include "TextReaderApp.h"
#include "viewer/ViewerFonts.h"
#include "web/engine/EngineSanitizerOptions.h"

int main(int argc, char** argv)
{
    // The browser engine is loaded at the first fetch, long after this; it shares its
    // graphics context only when this is set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // Names the user's data folder (used when the program's own folder is not writable).
    QApplication::setApplicationName(QStringLiteral("textreader"));
    // The viewer hides itself (idle time, hotkey) and comes back; the program ends only
    // through the viewer's unload.
    QApplication::setQuitOnLastWindowClosed(false);
    viewerfonts::RegisterSubstitutions();

    TextReaderApp reader(ProgramPaths::ofRunningProgram());
    const QString commandLine = app.arguments().mid(1).join(u' ');
    if (!reader.Start(commandLine))
        return 0;
    return app.exec();
}
