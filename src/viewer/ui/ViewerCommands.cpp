#include "viewer/ui/ViewerCommands.h"

#include <QWidget>

#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"
#include "viewer/ui/ViewerCommandHost.h"
#include "viewer/ui/ViewerCommandsWindow.h"

namespace {

enum Key : int16_t {
    kEnter = 13, kEsc = 27, kHome = 36, kLeft = 37, kUp = 38, kRight = 39, kDown = 40,
    kA = 65, kB = 66, kC = 67, kF = 70, kL = 76, kS = 83, kT = 84, kU = 85, kV = 86,
    kW = 87, kY = 89, kZ = 90, kF1 = 112,
};

bool IsArrow(int16_t k) { return k == kUp || k == kDown || k == kLeft || k == kRight; }

} // namespace

ViewerCommands::ViewerCommands(const ViewerCommandContext& context)
    : ctx_(context), mouse_(ctx_, *this)
{
}

void ViewerCommands::Form_KeyDown(int16_t KeyCode, int16_t Shift)
{
    Picture1_KeyDown(0, KeyCode, Shift);
    ctx_.window.viewer().FetchBusy = 0;
}

bool ViewerCommands::refused()
{
    ViewerCommandsWindow& w = ctx_.window;
    if (w.viewer().QuitState > 0)
        return true;
    if (!w.widget().isVisible()) {
        w.Timer6_kiru();
        w.FormHihyouji();
    }
    const ViewerPageState& page = w.page();
    return page.HideShowBusy || page.PageTurnBusy || w.AnimationRunning();
}

void ViewerCommands::Picture1_KeyDown(int16_t /*Index*/, int16_t KeyCode, int16_t Shift)
{
    if (refused())
        return;
    runTable(KeyCode, Shift);
}

// The rows are tested in order and one call may match several of them. FetchBusy is read
// for each row: the fetch-completed command raises and clears it on the way.
bool ViewerCommands::runTable(int16_t KeyCode, int16_t Shift)
{
    auto notBusy = [this] { return ctx_.window.viewer().FetchBusy != 1; };
    if (KeyCode == kT && notBusy())
        ToggleAlwaysOnTop();
    if (KeyCode == kW && notBusy())
        ctx_.host.ShowForm6();
    if (KeyCode == kU && Shift == kShiftFetchCompleted && notBusy())
        FetchCompleted();
    if (KeyCode == kF && notBusy())
        ctx_.host.ShowForm5();
    if (KeyCode == kL && notBusy())
        ctx_.host.ShowForm3();
    if (KeyCode == kF1 || KeyCode == kS)
        ctx_.host.ShowForm2();
    if (KeyCode == kA && notBusy())
        ToggleReturnMushi();
    if (KeyCode == kZ && notBusy())
        ChangeSpeed();
    if (KeyCode == kEsc)
        Quit();
    if (KeyCode == kUp && Shift == 0 && notBusy())
        PreviousPage();
    if (KeyCode == kY)
        ctx_.host.ToggleBackTouka();
    if (KeyCode == kDown && Shift == kShiftPageForward && notBusy())
        PageForward();
    if (KeyCode == kDown && Shift == kShiftRedisplay)
        Redisplay(false);
    if (KeyCode == kDown && Shift == kShiftRedisplayFirst)
        Redisplay(true);
    if (KeyCode == kDown && Shift == 0 && notBusy())
        NextPage();
    if (KeyCode == kHome && Shift == 0 && notBusy())
        Home();
    if (!runPasteRows(KeyCode, Shift))
        return false;
    runWindowRows(KeyCode, Shift);
    return true;
}

bool ViewerCommands::runPasteRows(int16_t KeyCode, int16_t Shift)
{
    if (KeyCode == kB && Shift == 2 && !AppendPaste())
        return false;
    if (KeyCode == kV && Shift == 2 && !Paste())
        return false;
    if (KeyCode == kC && Shift == 2)
        CopyAll();
    if (KeyCode == kC && Shift == 4 && ctx_.window.viewer().FetchBusy != 1)
        CopyPageOnScreen();
    return true;
}

void ViewerCommands::runWindowRows(int16_t KeyCode, int16_t Shift)
{
    if (KeyCode == kEnter && Shift == 0)
        ToggleVisible();
    if (KeyCode == kEnter && Shift == 1)
        ctx_.window.FormHihyouji();
    if (IsArrow(KeyCode) && Shift == 1)
        ResizeByHalfCell(KeyCode);
}
