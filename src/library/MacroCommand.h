#pragma once
// textreader-cli macro [MACRO.csv]: the URL macro without windows, into the program's
// library (Save/Clip/ beside the executable). One line per entry and the totals on
// standard output; exit code 0 when every entry was saved, 1 when one failed or the file
// cannot be read, 2 for a wrong command line. The page source is the browser engine's.
#include <QString>
#include <QStringList>
#include <functional>

#include "core/ProgramPaths.h"

class MacroPageSource;
struct ViewerState;

inline constexpr const char* kMacroCommandUsage = "[MACRO.csv]";

using CliLineWriter = std::function<void(const QString& line)>;

// viewer: the current document the source fills and the library saves (as clip.txt).
int RunMacroCommand(const QStringList& args, MacroPageSource& source, const ProgramPaths& paths,
                    ViewerState& viewer, const CliLineWriter& out, const CliLineWriter& err);
