#pragma once
// textreader-cli's text commands: those that run on plain text and need neither fonts nor
// Qt, so that textreader-cli itself starts with nothing but the C++ library. Each command
// file registers itself with a static TextCommandRegistration. Commands that lay text out
// live in textreader-cli-fonts beside it (fonts/), which textreader-cli hands every command
// line it does not run itself.
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

using TextCommandRun = std::function<int(const std::vector<std::string>& args)>;

struct TextCommandInfo {
    TextCommandRun run;
    const char* usage;
};

std::map<std::string, TextCommandInfo>& TextCommands();

struct TextCommandRegistration {
    TextCommandRegistration(const char* name, const char* usage, TextCommandRun run)
    {
        TextCommands()[name] = TextCommandInfo{std::move(run), usage};
    }
};

// Writes text to standard output as UTF-8, a piece at a time, so no copy of a large text is
// made. False when standard output could not take it all (a full disk, a closed pipe).
bool WriteStdoutUtf8(std::u16string_view text);
// Writes UTF-8 bytes to standard error.
void WriteStderrUtf8(std::string_view bytes);
