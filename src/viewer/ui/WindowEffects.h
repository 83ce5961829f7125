#pragma once
// The desktop effects the viewer puts on its window: overall opacity, staying above other
// windows, and background transparency (pixels of the background colour let the desktop
// show through). Behind an interface so that tests can watch the fade levels.
#include <cstdint>

class QWidget;

class WindowEffects {
public:
    virtual ~WindowEffects() = default;
    // Opacity 0 (transparent) .. 255 (opaque); values outside are clamped.
    virtual void SetWindowAlpha(QWidget& target, int32_t alpha) = 0;
    virtual void SetAlwaysOnTop(QWidget& target, bool onTop) = 0;
};

// Qt's own window opacity and stay-on-top flag.
class QtWindowEffects : public WindowEffects {
public:
    void SetWindowAlpha(QWidget& target, int32_t alpha) override;
    void SetAlwaysOnTop(QWidget& target, bool onTop) override;
};
