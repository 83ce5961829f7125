#include "viewer/ui/WindowEffects.h"

#include <QWidget>
#include <algorithm>

void QtWindowEffects::SetWindowAlpha(QWidget& target, int32_t alpha)
{
    target.setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
}

void QtWindowEffects::SetAlwaysOnTop(QWidget& target, bool onTop)
{
    if (target.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    // Changing a top-level window's flags hides it; bring it back where it was.
    const bool wasVisible = target.isVisible();
    target.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        target.show();
}
