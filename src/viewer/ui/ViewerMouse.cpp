#include "viewer/ui/ViewerMouse.h"

#include <QLabel>
#include <QWidget>
#include <cmath>

#include "core/Notation.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"
#include "viewer/ui/ViewerCommandHost.h"
#include "viewer/ui/ViewerCommands.h"
#include "viewer/ui/ViewerCommandsSteps.h"
#include "viewer/ui/ViewerCommandsWindow.h"

using namespace viewercommands;

ViewerMouse::ViewerMouse(ViewerCommandContext& context, ViewerCommands& commands)
    : ctx_(context), commands_(commands)
{
}

void ViewerMouse::Picture1_MouseDown(int16_t /*Index*/, int16_t Button, int16_t Shift, double X,
                                     double Y)
{
    ViewerCommandsWindow& w = ctx_.window;
    w.Timer6_kiru();
    if (w.page().HideShowBusy || w.page().PageTurnBusy || w.AnimationRunning())
        return;
    if (Button == 1 && Shift == 0)
        finishPageAndTurn();
    if ((Button == 1 || Button == 2) && Shift == 2)
        recordDragOrigin(X, Y);
    if (Button == 2 && Shift == 0)
        commands_.Picture1_KeyDown(0, 38, 0);
    if (Button == 4)
        commands_.Picture1_KeyDown(0, 86, 2);
}

// The page being typed out is finished at once, then the next page scrolls in.
void ViewerMouse::finishPageAndTurn()
{
    ViewerCommandsWindow& w = ctx_.window;
    ViewerState& v = w.viewer();
    ViewerPageState& page = w.page();
    page.StatusMessage.clear();
    if (v.MessageSpeed < 1) {
        StartOffscreenTurn(w, 1);
        return;
    }
    page.PageTurnBusy = true;
    w.line_print();
    w.SetTimer1Enabled(true);
    page.ScrollState[0] = 0;
    FinishPage(w);
    page.StatusMessage.clear();
    RecordPageStart(v);
    page.RedrawAfterScroll = false;
    page.PenPos = PenPosition{};
    w.Scroll_start(1);
}

void ViewerMouse::recordDragOrigin(double X, double Y)
{
    dragOrigin_ = {notation::ToInt32(X), notation::ToInt32(Y)};
}

void ViewerMouse::Form_MouseDown(int16_t Button, int16_t Shift, double X, double Y)
{
    ViewerCommandsWindow& w = ctx_.window;
    if (Shift == 1 && Button == 1) {
        w.Picture3_Visible(true);
        w.SetPanelBackForwardEnabled(ctx_.host.BrowserCanGoBack(), ctx_.host.BrowserCanGoForward());
        return;
    }
    if (w.Picture3Visible()) {
        w.Picture3_Visible(false);
        return;
    }
    if (Button == 2) {
        recordDragOrigin(X, Y);
        if (linkHover_) {
            putHoveredLinkInBrowser();
            return;
        }
    }
    if (Button == 1) {
        recordDragOrigin(X, Y);
        if (linkHover_) {
            openHoveredLink();
            return;
        }
    }
    Picture1_MouseDown(0, Button, Shift, X, Y);
}

// The highlighted link's number, when it names an entry of the link table.
bool ViewerMouse::hoveredLink(int32_t& index) const
{
    index = ctx_.window.page().LinkCount[2];
    return index >= 0 && index < kMaxPageLinks;
}

void ViewerMouse::putHoveredLinkInBrowser()
{
    int32_t index = 0;
    if (hoveredLink(index))
        ctx_.host.SetBrowserAddress(ctx_.window.page().LinkUrl[index]);
    ctx_.window.FormToolTipText().hide();
    linkHover_ = false;
}

void ViewerMouse::openHoveredLink()
{
    ViewerCommandsWindow& w = ctx_.window;
    ViewerPageState& page = w.page();
    int32_t index = 0;
    const QString url = hoveredLink(index) ? page.LinkUrl[index] : QString();
    w.widget().unsetCursor();
    page.LinkCount[0] = 0;
    page.LinkCount[1] = 0;
    // The fetch replaces the text and lays out a new page; the link state is reset first
    // so nothing of the old page's links survives it.
    w.FormToolTipText().hide();
    page.LinkCount[2] = kNoSelectedLink;
    linkHover_ = false;
    if (!url.isEmpty())
        ctx_.host.URLAttack_Command2_Click(url);
}

void ViewerMouse::Picture1_MouseMove(int16_t /*Index*/, int16_t Button, int16_t Shift, double X,
                                     double Y)
{
    ViewerCommandsWindow& w = ctx_.window;
    w.Timer6_kiru();
    if ((Button == 1 || Button == 2) && Shift == 2) {
        QWidget& window = w.widget();
        const double tpp = 1440.0 / window.logicalDpiX();
        const double tppY = 1440.0 / window.logicalDpiY();
        const double left = window.x() * tpp - (dragOrigin_.X - X);
        const double top = window.y() * tppY - (dragOrigin_.Y - Y);
        window.move(int(std::lround(left / tpp)), int(std::lround(top / tppY)));
    }
}

void ViewerMouse::m_CWheel_MouseWheel(int16_t iniVector)
{
    if (iniVector == -1)
        commands_.Picture1_KeyDown(0, 40, 0);
    else if (iniVector == 1)
        commands_.Picture1_KeyDown(0, 38, 0);
}
