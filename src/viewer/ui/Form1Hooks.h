#pragma once
// What the viewer asks of the rest of the program: the main frame, the tray icon, the
// global hotkeys and wheel source, the dialogs whose settings are written at close, the
// browser's back/forward buttons, and the end of the program. The application object
// implements it; every call does nothing here, so the viewer runs on its own (tests,
// and for as long as a window behind a call does not exist yet).
#include <QString>

#include "settings/IniStore.h"

class Form1;

class Form1Hooks {
public:
    virtual ~Form1Hooks() = default;

    // --- files kept by the settings: page history (rireki.dat) and the hotkey table
    virtual void LoadHistory() {}
    virtual void SaveHistory() {}
    virtual void LoadHotKeySettings() {}
    virtual void SaveHotKeySettings() {}
    // Sections written at close by the dialogs that own them.
    virtual void SaveTextViewSettings() {}
    virtual void SaveTextFindSettings() {}
    virtual void SaveFavoriteSettings() {}
    // The unload's one write of Setting.ini (every section above) landed, or why not.
    virtual void SettingsSaved(const IniSaveResult& /*result*/) {}

    // --- desktop: global hotkeys, their window hooks and the wheel source (not in a
    // debug run), the tray icon
    virtual void InstallDesktopHooks(Form1& /*viewer*/) {}
    virtual void RemoveDesktopHooks(Form1& /*viewer*/) {}
    virtual void AddTrayIcon(Form1& /*viewer*/) {}
    virtual void RemoveTrayIcon(Form1& /*viewer*/) {}

    // --- the main frame that holds the dialogs
    virtual void ShowMainFrame() {}
    virtual void HideMainFrame() {}
    // The display settings' background transparency, applied again after a show.
    virtual void ApplyBackgroundTransparency(Form1& /*viewer*/) {}

    // --- the browser window behind the button bar
    virtual bool BrowserCanGoBack() const { return false; }
    virtual bool BrowserCanGoForward() const { return false; }
    virtual void BrowserBack() {}
    virtual void BrowserForward() {}
    virtual void BrowserReload() {}
    virtual void BrowserCache() {}

    // Something outside the viewer can show it again once hidden (the tray icon in a tray,
    // the hide/show hotkey). Without, the idle time does not hide it.
    virtual bool ViewerCanComeBack() const { return true; }

    // The viewer has unloaded: time for the program to end.
    virtual void ViewerUnloaded() {}
    // The first page of the run is on screen (start-up measurements).
    virtual void FirstPageShown() {}
};
