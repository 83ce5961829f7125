#pragma once
// textreader-cli subcommands. Each command file registers itself with a static
// CliCommandRegistration, so adding a command touches no other file.
#include <QStringList>
#include <functional>
#include <map>

using CliCommandRun = std::function<int(const QStringList& args)>;

// Whether a command needs fonts (a QGuiApplication) or runs on plain text. Text commands
// live in textreader-cli itself, which links no GUI library: loading one costs more than
// converting a small page. Font commands live in textreader-cli-fonts beside it, which
// textreader-cli hands every command it does not know.
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
// Writes text to standard output as UTF-8, a piece at a time, so no copy of a large text
// is made.
void WriteStdoutUtf8(QStringView text);
void WriteStderr(const QString& text);
// The usage of every command this program holds, on stderr; returns the exit code 2.
int PrintCliUsage();
QStringList CliArguments(int argc, char** argv);
