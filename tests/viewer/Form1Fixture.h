#pragma once
// The real viewer window in a temporary program folder, with the platform effects and the
// other windows replaced by recorders, pauses that take no time and a clock the test sets.
#include <QDir>
#include <QFile>
#include <QStringList>
#include <memory>
#include <vector>

#include "settings/IniStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/Form1Hooks.h"
#include "viewer/ui/WindowEffects.h"
#include "state/PageHistory.h"
#include "state/PageRecord.h"

// Kept apart from the other viewer tests' helpers of the same names.
namespace form1test {

struct RecordingEffects : WindowEffects {
    void SetWindowAlpha(QWidget&, int32_t alpha) override { levels.push_back(alpha); }
    void SetAlwaysOnTop(QWidget&, bool onTop) override { topmost = onTop; }
    std::vector<int32_t> levels;
    bool topmost = false;
};

struct RecordingHooks : Form1Hooks {
    void LoadHistory() override { calls << "LoadHistory"; }
    void SaveHistory() override { calls << "SaveHistory"; }
    void LoadHotKeySettings() override { calls << "LoadHotKeySettings"; }
    void SaveHotKeySettings() override { calls << "SaveHotKeySettings"; }
    void SaveTextViewSettings() override { calls << "SaveTextViewSettings"; }
    void SaveTextFindSettings() override { calls << "SaveTextFindSettings"; }
    void SaveFavoriteSettings() override { calls << "SaveFavoriteSettings"; }
    void InstallDesktopHooks(Form1&) override { calls << "InstallDesktopHooks"; }
    void RemoveDesktopHooks(Form1&) override { calls << "RemoveDesktopHooks"; }
    void AddTrayIcon(Form1&) override { calls << "AddTrayIcon"; }
    void RemoveTrayIcon(Form1&) override { calls << "RemoveTrayIcon"; }
    void ShowMainFrame() override { calls << "ShowMainFrame"; }
    void HideMainFrame() override { calls << "HideMainFrame"; }
    void ViewerUnloaded() override { calls << "ViewerUnloaded"; }
    QStringList calls;
};

// One run of the program: the state the application object would own and its viewer.
struct ViewerRun {
    explicit ViewerRun(const ProgramPaths& p) : paths(p), settings(p)
    {
        form = std::make_unique<Form1>(Form1::Shared{viewer, record, history, paths, settings,
                                                     prompter, effects, hooks});
        form->SetPause([](int) {});
        form->SetClock([this] { return now; });
    }
    ~ViewerRun() { form->Form_Unload(); }

    // Start-up with white text on black and full opacity, as the display settings give.
    bool load(const QString& commandLine = QString())
    {
        viewer.TextColour = 0xFFFFFF;
        viewer.Alfa = 100;
        form->CanvasSurface().setBackColor(0);
        form->CanvasSurface().setForeColor(0xFFFFFF);
        form->PageBufferSurface().setBackColor(0);
        form->PageBufferSurface().setForeColor(0xFFFFFF);
        return form->Form_Load(commandLine);
    }

    // Calls a timer's handler until the timer is off (at most `limit` times).
    int stepUntilOff(int timer, void (Form1::*handler)(), int limit = 10000)
    {
        int steps = 0;
        while (form->TimerEnabled(timer) && steps < limit) {
            (form.get()->*handler)();
            ++steps;
        }
        return steps;
    }

    ProgramPaths paths;
    IniStore settings;
    ViewerState viewer;
    PageRecord record;
    PageHistory history;
    ScriptedPrompter prompter;
    RecordingEffects effects;
    RecordingHooks hooks;
    double now = 0;
    std::unique_ptr<Form1> form;
};

// A program folder with the help text beside the executable (and no Save/ yet).
struct ProgramFolder {
    ProgramFolder()
    {
        QFile::copy(QStringLiteral(TR_SOURCE_DIR "/data/Howto.txt"), paths().programFile(QStringLiteral("Howto.txt")));
    }
    ProgramPaths paths() const { return folder.paths(false); }
    void writeClipText(const QByteArray& bytes) const
    {
        QDir().mkpath(paths().dataFolder());
        folder.write(paths().dataFile(QStringLiteral("clip.txt")), bytes);
    }
    TempFolder folder;
};

// A text of numbered ASCII lines, long enough for many pages.
inline QString NumberedLines(int lines)
{
    QString text;
    for (int i = 1; i <= lines; ++i)
        text += QStringLiteral("line %1 of the text\r\n").arg(i);
    return text;
}

} // namespace form1test

using namespace form1test;
