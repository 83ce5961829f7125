// textreader-cli: runs the text commands here and hands any other command line to
// textreader-cli-fonts in the same folder, so that converting a page never waits for Qt or
// the GUI libraries to load.
#include "cli/TextCommand.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

std::string FontsProgramPath()
{
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string path = n > 0 ? std::string(self, size_t(n)) : std::string();
    const size_t slash = path.rfind('/');
    path.resize(slash == std::string::npos ? 0 : slash + 1);
    return path + "textreader-cli-fonts";
}

int HandToFontsProgram(char** argv)
{
    const std::string path = FontsProgramPath();
    argv[0] = const_cast<char*>(path.c_str());
    ::execv(path.c_str(), argv);
    WriteStderrUtf8("textreader-cli-fonts を起動できません: " + path + ' ' + std::strerror(errno) + '\n');
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const auto it = argc < 2 ? TextCommands().end() : TextCommands().find(argv[1]);
    if (it == TextCommands().end())
        return HandToFontsProgram(argv);
    return it->second.run(std::vector<std::string>(argv + 2, argv + argc));
}
