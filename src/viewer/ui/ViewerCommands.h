#pragma once
// The viewer's single command interface. Real keys arrive through Form_KeyDown; the mouse,
// wheel, drops, global hotkeys, the browser after a fetch and the library after a load call
// Picture1_KeyDown with key codes, and with the Shift values 90, 91 and 99 that no keyboard
// produces to select internal commands.
#include <cstdint>

#include "viewer/ui/ViewerMouse.h"

class Prompter;
class ProgramPaths;
class ViewerCommandHost;
class ViewerCommandsWindow;
struct PageHistory;
struct PageRecord;

struct ViewerCommandContext {
    ViewerCommandsWindow& window;
    ViewerCommandHost& host;
    Prompter& prompter;
    PageHistory& history;
    PageRecord& record;
    const ProgramPaths& paths;
};

// Internal Shift values.
inline constexpr int16_t kShiftRedisplay = 90;      // with 40: lay the page on screen out again
inline constexpr int16_t kShiftFetchCompleted = 90; // with 85: a fetched page is the new text
inline constexpr int16_t kShiftRedisplayFirst = 91; // with 40: as 90, without the page reveal
inline constexpr int16_t kShiftPageForward = 99;    // with 40: next page without a click

class ViewerCommands {
public:
    explicit ViewerCommands(const ViewerCommandContext& context);
    ViewerCommands(const ViewerCommands&) = delete;
    ViewerCommands& operator=(const ViewerCommands&) = delete;

    // Index is always 0 (the one page picture).
    void Picture1_KeyDown(int16_t Index, int16_t KeyCode, int16_t Shift);
    void Form_KeyDown(int16_t KeyCode, int16_t Shift);

    ViewerMouse& mouse() { return mouse_; }

private:
    bool refused();
    // False when a paste question was cancelled: no later row runs.
    bool runTable(int16_t KeyCode, int16_t Shift);
    bool runPasteRows(int16_t KeyCode, int16_t Shift);
    void runWindowRows(int16_t KeyCode, int16_t Shift);

    void ToggleAlwaysOnTop();
    void FetchCompleted();
    void ToggleReturnMushi();
    void ChangeSpeed();
    void Quit();
    void PreviousPage();
    void PageForward();
    void Redisplay(bool asFirstPage);
    void NextPage();
    void Home();
    void TurnToNextPage();
    bool AppendPaste();
    bool Paste();
    void CopyAll();
    void CopyPageOnScreen();
    void ToggleVisible();
    void ResizeByHalfCell(int16_t KeyCode);

    ViewerCommandContext ctx_;
    ViewerMouse mouse_;
};
