#include "cli/fonts/CliCommand.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

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

CliRequest ReadCliRequest(int argc, char** argv)
{
    CliRequest request;
    if (argc >= 2) {
        const auto text = TextCommands().find(argv[1]);
        if (text != TextCommands().end()) {
            request.ran = text->second.run(std::vector<std::string>(argv + 2, argv + argc));
            return request;
        }
    }
    request.args = CliArguments(argc, argv);
    if (request.args.isEmpty())
        return request;
    const auto it = CliCommands().find(request.args.takeFirst());
    if (it != CliCommands().end())
        request.command = &it->second;
    return request;
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

int HandToProgram(const char* name, char** argv)
{
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string path = n > 0 ? std::string(self, size_t(n)) : std::string();
    const size_t slash = path.rfind('/');
    path.resize(slash == std::string::npos ? 0 : slash + 1);
    path += name;
    argv[0] = path.data();
    ::execv(path.c_str(), argv);
    WriteStderr(QStringLiteral("%1 を起動できません: %2\n").arg(QString::fromStdString(path), QString::fromLocal8Bit(std::strerror(errno))));
    return PrintCliUsage();
}
