// The commands that move through the text: previous, next and forward page, Home, the
// redisplays, the fetch-completed restart, and the speed and line-break settings that
// lay the page out again.
#include "core/Notation.h"
#include "core/Surface.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"
#include "viewer/ui/ViewerCommands.h"
#include "viewer/ui/ViewerCommandsSteps.h"
#include "viewer/ui/ViewerCommandsWindow.h"

using namespace viewercommands;

void ViewerCommands::FetchCompleted()
{
    ViewerState& v = ctx_.window.viewer();
    v.FetchBusy = 1;
    StartNewText(ctx_.window);
    ctx_.window.page().StatusMessage = QStringLiteral("HTML取得完了");
    ctx_.window.line_print();
    v.FetchBusy = 0;
}

void ViewerCommands::ToggleReturnMushi()
{
    ctx_.window.viewer().ReturnMushi = !ctx_.window.viewer().ReturnMushi;
    Picture1_KeyDown(0, 40, kShiftRedisplay);
}

void ViewerCommands::ChangeSpeed()
{
    int32_t& speed = ctx_.window.viewer().MessageSpeed;
    speed -= 1;
    if (speed < 0)
        speed = 9;
    Picture1_KeyDown(0, 40, kShiftRedisplay);
}

void ViewerCommands::PreviousPage()
{
    ViewerCommandsWindow& w = ctx_.window;
    ViewerState& v = w.viewer();
    ViewerPageState& page = w.page();
    w.line_print();
    page.StatusMessage.clear();
    page.RedrawAfterScroll = true;
    page.InstantRedraw = false;
    if (v.PageStartList == u"1" || v.PageStartList.isEmpty()) {
        page.InstantRedraw = true;
        v.PageStartList = QStringLiteral("1");
        return;
    }
    // Drop the head entry: the list loses the page on screen's start and its ",".
    const int32_t onScreen = notation::ToInt32(notation::Val(v.PageStartList));
    const qsizetype headLength = QString::number(onScreen).size() + 1;
    v.PageStartList = notation::Right(v.PageStartList, v.PageStartList.size() - headLength);
    v.ReadPosition = PageOnScreenStart(v);
    page.ScrollState[0] = -1;
    v.PageText.clear();
    w.SetTimer1Enabled(true);
    RunTimer1Step(w);
}

void ViewerCommands::PageForward()
{
    ViewerState& v = ctx_.window.viewer();
    ctx_.window.page().StatusMessage.clear();
    RecordPageStart(v);
    ctx_.window.page().RedrawAfterScroll = true;
    ctx_.window.Scroll_start(1);
}

void ViewerCommands::Redisplay(bool asFirstPage)
{
    ViewerState& v = ctx_.window.viewer();
    v.ReadPosition = PageOnScreenStart(v);
    ctx_.window.page().RedrawAfterScroll = true;
    if (asFirstPage)
        ctx_.window.page().InstantRedraw = true;
    ctx_.window.Shunkan_Hyouji();
}

void ViewerCommands::NextPage()
{
    ctx_.window.page().StatusMessage.clear();
    TurnToNextPage();
}

void ViewerCommands::Home()
{
    ctx_.window.page().StatusMessage.clear();
    ctx_.window.viewer().ReadPosition = 1;
    TurnToNextPage();
}

// In scroll mode the page turns off screen; otherwise exactly as a left click on the page.
void ViewerCommands::TurnToNextPage()
{
    if (ctx_.window.viewer().MessageSpeed < 1)
        StartOffscreenTurn(ctx_.window, 1);
    else
        mouse_.Picture1_MouseDown(0, 1, 0, 0, 0);
}
