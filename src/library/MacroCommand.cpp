#include "library/MacroCommand.h"

#include <QDir>

#include "library/MacroRunner.h"
#include "state/ViewerState.h"
#include "web/ClipFiles.h"

int RunMacroCommand(const QStringList& args, MacroPageSource& source, const ProgramPaths& paths,
                    ViewerState& viewer, const CliLineWriter& out, const CliLineWriter& err)
{
    if (args.size() > 1 || (args.size() == 1 && args[0].startsWith(QLatin1String("--")))) {
        err(QStringLiteral("使い方: textreader-cli macro %1").arg(QString::fromLatin1(kMacroCommandUsage)));
        return 2;
    }
    const QString file = args.isEmpty() ? MacroFilePath(paths) : args[0];
    const std::optional<std::vector<MacroEntry>> entries = ReadMacroFile(file);
    if (!entries) {
        err(QStringLiteral("読み込めません: %1").arg(file));
        return 1;
    }
    if (!QDir().mkpath(paths.dataFolder())) {
        err(QStringLiteral("フォルダを作れません: %1").arg(paths.dataFolder()));
        return 1;
    }
    MacroRunHooks hooks;
    hooks.save = [&](const QString& name) {
        SaveClipText(paths, viewer);
        return SaveToLibrary(paths, name);
    };
    hooks.done = [&](const MacroLineOutcome& outcome) { out(MacroLineText(outcome)); };
    const MacroSummary summary = RunMacro(*entries, source, hooks);
    out(MacroSummaryText(summary));
    return summary.failed() == 0 ? 0 : 1;
}
