#include "viewer/ui/WindowEffects.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>

namespace {

// Platforms without windows on a screen have no opacity and say so at every call.
bool PlatformHasOpacity()
{
    const QString name = QGuiApplication::platformName();
    return name != u"offscreen" && name != u"minimal";
}

} // namespace

void QtWindowEffects::SetWindowAlpha(QWidget& target, int32_t alpha)
{
    if (!PlatformHasOpacity())
        return;
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
