#pragma once
// textreader-cli's font commands, run by textreader-cli-fonts inside a QGuiApplication. Each
// command file registers itself with a static CliCommandRegistration, so adding a command
// touches no other file; the text commands (cli/TextCommand.h) are held in this program too.
#include <QStringList>
#include <functional>
#include <map>
#include <optional>

using CliCommandRun = std::function<int(const QStringList& args)>;

struct CliCommandInfo {
    CliCommandRun run;
    const char* usage;
};

std::map<QString, CliCommandInfo>& CliCommands();

struct CliCommandRegistration {
    CliCommandRegistration(const char* name, const char* usage, CliCommandRun run)
    {
        CliCommands()[QString::fromLatin1(name)] = CliCommandInfo{std::move(run), usage};
    }
};

// Writes bytes to standard output unchanged (binary mode, nothing added).
void WriteStdout(const QByteArray& bytes);
void WriteStderr(const QString& text);
// The usage of every command, font and text ones, on stderr; returns the exit code 2.
int PrintCliUsage();
QStringList CliArguments(int argc, char** argv);
// What a command line asks for: a text command has run already (ran holds its exit code);
// else the Qt command it names (null when unknown) with args its arguments.
struct CliRequest {
    std::optional<int> ran;
    const CliCommandInfo* command = nullptr;
    QStringList args;
};
CliRequest ReadCliRequest(int argc, char** argv);
// Runs the program of that name in this program's folder with the same command line; returns
// only when it cannot be started (the full usage is then printed: exit code 2).
int HandToProgram(const char* name, char** argv);
