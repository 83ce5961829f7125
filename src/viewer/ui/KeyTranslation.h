#pragma once
// The viewer's commands are numbered by Windows virtual-key codes with the modifier mask
// 1 Shift, 2 Ctrl, 4 Alt, and mouse buttons by the mask 1 left, 2 right, 4 middle. Qt's
// key and mouse values are translated here, once, at the window's edge.
#include <Qt>
#include <cstdint>

class QKeyEvent;

struct VirtualKey {
    int16_t KeyCode = 0; // 0 when the key has no code the viewer knows
    int16_t Shift = 0;
};

int16_t ShiftMask(Qt::KeyboardModifiers modifiers);
int16_t MouseButtonMask(Qt::MouseButtons buttons);
// The code of the physical key a Qt key value stands for; shifted symbols of the usual
// layout give the code of their unshifted key ("!" is the key of "1").
int16_t VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
VirtualKey TranslateKeyEvent(const QKeyEvent& event);
