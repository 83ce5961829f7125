#pragma once
// textreader-cli subcommands. Each command file registers itself with a static
// CliCommandRegistration, so adding a command touches no other file.
#include <QStringList>
#include <functional>
#include <map>

using CliCommandRun = std::function<int(const QStringList& args)>;

// Whether a command needs fonts (a QGuiApplication) or runs on plain text; starting the
// application costs more than converting a small page.
enum class CliNeeds { Text, Fonts };

struct CliCommandInfo {
    CliCommandRun run;
    const char* usage;
    CliNeeds needs;
};

std::map<QString, CliCommandInfo>& CliCommands();

struct CliCommandRegistration {
    CliCommandRegistration(const char* name, const char* usage, CliCommandRun run, CliNeeds needs = CliNeeds::Fonts)
    {
        CliCommands()[QString::fromLatin1(name)] = CliCommandInfo{std::move(run), usage, needs};
    }
};

// Writes bytes to standard output unchanged (binary mode, nothing added).
void WriteStdout(const QByteArray& bytes);
void WriteStderr(const QString& text);
