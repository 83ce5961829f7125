#pragma once
// The application object: owns the program-wide state (viewer state, page record and
// history, hotkey table, paths, settings store, prompter, window effects) and the viewer
// window, hands the state to the windows by reference, and answers the viewer's calls
// into windows of its own (main frame, tray, global hotkeys, dialogs, browser).
#include <QString>
#include <memory>
#include <vector>

#include "core/GlobalHotkeys.h"
#include "core/ProgramPaths.h"
#include "core/ui/MessageBoxPrompter.h"
#include "settings/HotKeyTable.h"
#include "settings/IniStore.h"
#include "state/ViewerState.h"
#include "viewer/ui/ViewerCommandHost.h"
#include "viewer/ui/Form1Hooks.h"
#include "viewer/ui/WindowEffects.h"
#include "state/PageHistory.h"
#include "state/PageRecord.h"

class AppBrowser;
class Form1;
class Form5;
class Form6;
class Form7;
class MacroPageSource;
class Form1Display;
class Form2;
class Form4;
class ViewerCommandsInput;
class clsWheelMouse;
class MDIForm1;
class QWidget;
class TaskTray;
class TerminationSignals;

class TextReaderApp : public Form1Hooks {
public:
    explicit TextReaderApp(ProgramPaths paths);
    ~TextReaderApp() override;

    // Builds the viewer and runs its start-up; false when the program must end now.
    bool Start(const QString& commandLine);
    Form1& Viewer() { return *form1_; }
    // The term search, library and macro dialogs, created on first use (after Start).
    Form5& SearchWindow();
    Form6& LibraryWindow();
    Form7& MacroWindow();
    // The display settings and hotkey dialogs, created when first needed.
    Form2& Form2Dialog();
    Form4& Form4Dialog();
    // The unload's write of Setting.ini: ok, or the reason it failed (the old file is whole).
    const IniSaveResult& UnloadSettingsSave() const { return unloadSettingsSave_; }
    // The system-wide hotkeys of this platform, for the hotkey dialog. Outside a debug run
    // the 17 slots are registered once the first page is on screen.
    GlobalHotkeys& Hotkeys() { return *hotkeys_; }
    // The main frame and the tray icon exist once the first page is on screen.
    MDIForm1* MainFrame() { return mdiForm1_.get(); }
    TaskTray* Tray() { return tray_.get(); }
    // The program has asked its event loop to end.
    bool Ending() const { return ending_; }

    // Form1Hooks
    void LoadHistory() override;
    void SaveHistory() override;
    void LoadHotKeySettings() override;
    void SaveHotKeySettings() override;
    void SaveTextFindSettings() override;
    void SaveFavoriteSettings() override;
    void SaveTextViewSettings() override;
    void SettingsSaved(const IniSaveResult& result) override;
    void InstallDesktopHooks(Form1& viewer) override;
    void RemoveDesktopHooks(Form1& viewer) override;
    void AddTrayIcon(Form1& viewer) override;
    void RemoveTrayIcon(Form1& viewer) override;
    void ShowMainFrame() override;
    void HideMainFrame() override;
    void ApplyBackgroundTransparency(Form1& viewer) override;
    bool ViewerCanComeBack() const override;
    void ViewerUnloaded() override;
    void FirstPageShown() override;
    bool BrowserCanGoBack() const override;
    bool BrowserCanGoForward() const override;
    void BrowserBack() override;
    void BrowserForward() override;
    void BrowserReload() override;
    void BrowserCache() override;

    // The browser window and its fetcher, made on first use.
    AppBrowser& Browser();

private:
    Form2& LoadedForm2();
    void CreateDesktopWindows();
    void RegisterDesktopHotkeys();
    void AnnounceHotkeys(bool hotkeysOn, const std::vector<int>& failedSlots);
    std::vector<QWidget*> MainFrameChildren();
    void EndProgram(int code);
    // Shows a secondary window: as a tab of the main frame once it exists, else on its own.
    void ShowChild(QWidget& child);

    ProgramPaths paths_;
    IniStore settings_;
    ViewerState viewer_;
    PageRecord page_;
    PageHistory history_;
    HotKeys hotKeys_;
    MessageBoxPrompter prompter_;
    QtWindowEffects effects_;
    // The other windows the commands open. None exists yet: only the background
    // transparency switch acts, in the display settings' stead.
    struct CommandHost : NullViewerCommandHost {
        explicit CommandHost(TextReaderApp& app) : app_(app) {}
        void ShowForm2() override;
        void ToggleBackTouka() override;
        void ShowForm5() override;
        void ShowForm6() override;
        void ShowForm3() override;
        void SetBrowserAddress(const QString& url) override;
        void URLAttack_Command2_Click(const QString& url) override;
        bool BrowserCanGoBack() const override { return app_.BrowserCanGoBack(); }
        bool BrowserCanGoForward() const override { return app_.BrowserCanGoForward(); }
        TextReaderApp& app_;
    };
    CommandHost commandHost_{*this};
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<ViewerCommandsInput> commands_;
    std::unique_ptr<clsWheelMouse> m_CWheel; // the wheel source, outside a debug run
    // The macro fetches its pages through the browser window.
    std::unique_ptr<MacroPageSource> macroPages_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form6> form6_;
    std::unique_ptr<Form7> form7_;
    std::unique_ptr<Form1Display> display_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form4> form4_;
    IniSaveResult unloadSettingsSave_;
    std::unique_ptr<AppBrowser> browser_;
    // Desktop integration, set up after the first page: hotkeys, frame and tray (the icon
    // shown if the viewer asked for it meanwhile).
    std::unique_ptr<GlobalHotkeys> hotkeys_;
    bool desktopHooks_ = false; // not a debug run: hotkeys and wheel source
    std::unique_ptr<MDIForm1> mdiForm1_;
    std::unique_ptr<TaskTray> tray_;
    std::unique_ptr<TerminationSignals> signals_;
    bool trayWanted_ = false;
    bool ending_ = false;
};
