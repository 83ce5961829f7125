#pragma once
// The viewer's mouse: clicks on the page turn it, the right button goes back, the middle
// button pastes, Ctrl with a button held drags the window, the pointer over a link label
// highlights it and shows its URL, a click on a link opens it, Shift+click shows the
// button bar, and the wheel pages. Buttons 1 left, 2 right, 4 middle; Shift mask 1/2/4;
// positions in twips of the window's client area.
#include <cstdint>

class ViewerCommands;
struct ViewerCommandContext;

struct DragPoint {
    int32_t X = 0;
    int32_t Y = 0;
};

class ViewerMouse {
public:
    ViewerMouse(ViewerCommandContext& context, ViewerCommands& commands);

    void Form_MouseDown(int16_t Button, int16_t Shift, double X, double Y);
    void Form_MouseMove(int16_t Button, int16_t Shift, double X, double Y);
    void Picture1_MouseDown(int16_t Index, int16_t Button, int16_t Shift, double X, double Y);
    void Picture1_MouseMove(int16_t Index, int16_t Button, int16_t Shift, double X, double Y);
    // -1: towards the user, the next page; 1: the previous page.
    void m_CWheel_MouseWheel(int16_t iniVector);
    void m_CWheel_MouseWheelButtonDown(float, float) {}
    void m_CWheel_MouseWheelButtonUp(float, float) {}

    const DragPoint& DragOrigin() const { return dragOrigin_; }
    bool LinkHover() const { return linkHover_; }

private:
    void finishPageAndTurn();
    void recordDragOrigin(double X, double Y);
    bool hoveredLink(int32_t& index) const;
    void openHoveredLink();
    void putHoveredLinkInBrowser();
    void highlightLink(int32_t index, double X, double Y);
    void paintLinkBack();
    void placeToolTip(double X, double Y);

    ViewerCommandContext& ctx_;
    ViewerCommands& commands_;
    DragPoint dragOrigin_;
    bool linkHover_ = false;
};
