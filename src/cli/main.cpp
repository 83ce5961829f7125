// textreader-cli: runs the text commands here and hands any other command line to
// textreader-cli-fonts in the same folder, so that converting a page never waits for the
// GUI libraries to load.
#include "cli/CliCommand.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

QByteArray FontsProgramPath()
{
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    const QString folder = QFileInfo(self.symLinkTarget()).absolutePath();
    return QFile::encodeName(folder + QStringLiteral("/textreader-cli-fonts"));
}

int HandToFontsProgram(char** argv)
{
    const QByteArray path = FontsProgramPath();
    argv[0] = const_cast<char*>(path.constData());
    ::execv(path.constData(), argv);
    WriteStderr(QStringLiteral("textreader-cli-fonts を起動できません: ") + QFile::decodeName(path) + u' '
                + QString::fromLocal8Bit(std::strerror(errno)) + u'\n');
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args = CliArguments(argc, argv);
    const auto it = args.isEmpty() ? CliCommands().end() : CliCommands().find(args.first());
    if (it == CliCommands().end())
        return HandToFontsProgram(argv);
    args.removeFirst();
    return it->second.run(args);
}
