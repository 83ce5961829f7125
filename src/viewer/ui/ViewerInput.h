#pragma once
// Where the viewer window sends what the user does: every key press, mouse button, mouse
// move and drop arrives here, translated to the viewer's command codes (virtual-key codes,
// Shift mask 1 Shift / 2 Ctrl / 4 Alt, mouse buttons 1 left / 2 right / 4 middle, positions
// in twips of the window). The key dispatcher plugs in by implementing this; the rest of
// the program drives the viewer through Picture1_KeyDown with the same codes.
#include <QString>
#include <cstdint>

class Form1;

class ViewerInput {
public:
    virtual ~ViewerInput() = default;

    // The viewer's command interface.
    virtual void Picture1_KeyDown(int16_t& KeyCode, int16_t& Shift) = 0;
    // A real key press on the window.
    virtual void Form_KeyDown(int16_t& KeyCode, int16_t& Shift) { Picture1_KeyDown(KeyCode, Shift); }
    virtual void Form_KeyUp(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
    virtual void Form_MouseDown(int16_t /*Button*/, int16_t /*Shift*/, double /*X*/, double /*Y*/) {}
    virtual void Form_MouseMove(int16_t /*Button*/, int16_t /*Shift*/, double /*X*/, double /*Y*/) {}
    virtual void Form_MouseUp(int16_t /*Button*/, int16_t /*Shift*/, double /*X*/, double /*Y*/) {}
    // Text dropped on the window; Shift holds the modifiers at the drop.
    virtual void Form_OLEDragDrop(const QString& /*text*/, int16_t /*Shift*/) {}
    // Whether a drag carrying text may be dropped here.
    virtual bool AcceptsDrops() const { return false; }
};

// Until the key dispatcher is plugged in the viewer still closes: Esc fades the window out
// and unloads it. Every other code is dropped.
class QuitKeyInput final : public ViewerInput {
public:
    explicit QuitKeyInput(Form1& viewer) : viewer_(viewer) {}
    void Picture1_KeyDown(int16_t& KeyCode, int16_t& Shift) override;

private:
    Form1& viewer_;
};
