// Link hover: the label under the pointer is drawn in a red box with the cross pointer and
// its URL in the tooltip; moving off it paints the label back.
#include <QLabel>
#include <QWidget>
#include <algorithm>

#include "core/Surface.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"
#include "viewer/ui/ViewerCommands.h"
#include "viewer/ui/ViewerCommandsWindow.h"
#include "viewer/ui/ViewerMouse.h"

namespace {

constexpr Colour kRed = 0x000000FF; // red 255, green 0, blue 0
constexpr double kToolTipOffset = 80; // twips below and right of the pointer

bool Inside(const std::array<int32_t, 4>& box, double X, double Y)
{
    return box[0] <= X && X <= box[2] && box[1] <= Y && Y <= box[3];
}

} // namespace

void ViewerMouse::Form_MouseMove(int16_t Button, int16_t Shift, double X, double Y)
{
    ViewerPageState& page = ctx_.window.page();
    linkHover_ = false;
    // The table holds at most kMaxPageLinks entries whatever the count says.
    const int32_t links = std::clamp(page.LinkCount[1], 0, kMaxPageLinks);
    for (int32_t i = 0; i < links; ++i) {
        if (page.LinkCount[2] != kNoSelectedLink)
            paintLinkBack();
        if (Inside(page.LinkRect[i], X, Y)) {
            highlightLink(i, X, Y);
            break;
        }
    }
    if (!linkHover_ && page.LinkCount[2] != kNoSelectedLink)
        paintLinkBack();
    Picture1_MouseMove(0, Button, Shift, X, Y);
}

void ViewerMouse::highlightLink(int32_t index, double X, double Y)
{
    ViewerCommandsWindow& w = ctx_.window;
    ViewerPageState& page = w.page();
    w.widget().setCursor(Qt::CrossCursor);
    page.LinkCount[2] = index;
    const auto& box = page.LinkRect[index];
    if (Surface* canvas = w.viewer().Canvas) {
        canvas->FillBox(box[0], box[1], box[2], box[3], kRed);
        canvas->PrintAt(box[0], box[1], u"URL");
    }
    w.FormToolTipText().setText(page.LinkUrl[index]);
    placeToolTip(X, Y);
    w.FormToolTipText().show();
    w.FormToolTipText().raise();
    linkHover_ = true;
}

// Near the window's right edge the tooltip is pulled left so that it ends at the edge.
void ViewerMouse::placeToolTip(double X, double Y)
{
    QWidget& window = ctx_.window.widget();
    QLabel& tip = ctx_.window.FormToolTipText();
    tip.adjustSize();
    const double tpp = 1440.0 / window.logicalDpiX();
    const double tppY = 1440.0 / window.logicalDpiY();
    const double width = tip.width() * tpp;
    double left = X + kToolTipOffset;
    if (left + width >= window.width() * tpp)
        left = window.width() * tpp - width;
    tip.move(int(std::lround(left / tpp)), int(std::lround((Y + kToolTipOffset) / tppY)));
}

void ViewerMouse::paintLinkBack()
{
    ViewerCommandsWindow& w = ctx_.window;
    const int32_t index = w.page().LinkCount[2];
    w.widget().unsetCursor();
    Surface* canvas = w.viewer().Canvas;
    if (canvas && index >= 0 && index < kMaxPageLinks) {
        const auto& box = w.page().LinkRect[index];
        canvas->FillBox(box[0], box[1], box[2], box[3], canvas->BackColor());
        const Colour fore = canvas->ForeColor();
        canvas->setForeColor(kRed);
        canvas->PrintAt(box[0], box[1], u"URL");
        canvas->setForeColor(fore);
    }
    w.FormToolTipText().hide();
}
