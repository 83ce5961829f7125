#include "shell/ui/clsWheelMouse.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cstdlib>

namespace {

// The watched window carries the watcher, so that a window is never watched twice.
constexpr char kWatcherProperty[] = "textreader_wheel_watcher";

} // namespace

clsWheelMouse::clsWheelMouse(QObject* parent) : QObject(parent) {}

clsWheelMouse::~clsWheelMouse()
{
    if (hooked_)
        Terminate();
}

bool clsWheelMouse::Initialize(QWidget* owner)
{
    if (hooked_ || !owner)
        return false;
    if (owner->property(kWatcherProperty).value<QObject*>())
        return false;
    owner_ = owner;
    owner->setProperty(kWatcherProperty, QVariant::fromValue<QObject*>(this));
    owner->installEventFilter(this);
    hooked_ = true;
    return true;
}

void clsWheelMouse::Terminate()
{
    if (owner_) {
        owner_->removeEventFilter(this);
        if (owner_->property(kWatcherProperty).value<QObject*>() == this)
            owner_->setProperty(kWatcherProperty, QVariant());
    }
    hooked_ = false;
    pendingDelta_ = 0;
}

void clsWheelMouse::raiseMyEvent(int iniOption, short iniVector, float insX, float insY)
{
    switch (iniOption) {
    case 3: emit MouseWheel(iniVector); break;
    case 2: emit MouseWheelButtonUp(insX, insY); break;
    case 1: emit MouseWheelButtonDown(insX, insY); break;
    default: break;
    }
}

void clsWheelMouse::raiseGuarded(int iniOption, short iniVector, float x, float y)
{
    if (wheelBusy_)
        return;
    wheelBusy_ = true;
    raiseMyEvent(iniOption, iniVector, x, y);
    wheelBusy_ = false;
}

void clsWheelMouse::onWheel(const QWheelEvent& event)
{
    const int delta = event.angleDelta().y();
    if (delta == 0)
        return;
    if ((delta < 0) != (pendingDelta_ < 0))
        pendingDelta_ = 0; // a turn the other way starts a new notch
    pendingDelta_ += delta;
    if (std::abs(pendingDelta_) < kNotch)
        return;
    // However far the wheel went in one message, it counts as one notch.
    const short direction = pendingDelta_ < 0 ? -1 : 1;
    pendingDelta_ = 0;
    raiseGuarded(3, direction, 0, 0);
}

bool clsWheelMouse::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != owner_ || !hooked_ || forwarding_)
        return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::Wheel) {
        if (!wheelBusy_)
            onWheel(*static_cast<QWheelEvent*>(event));
        return false; // the window still gets the event
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::MiddleButton)
        return false;
    const double twips = 1440.0 / owner_->logicalDpiX();
    const double twipsY = 1440.0 / owner_->logicalDpiY();
    const QPointF p = mouse->position();
    raiseGuarded(type == QEvent::MouseButtonPress ? 1 : 2, 0, float(p.x() * twips),
                 float(p.y() * twipsY));
    if (wheelBusy_)
        return false;
    // The window's own handling of the middle button (the paste question) runs guarded too,
    // so a wheel turned while the question is open pages nothing behind it.
    QPointer<QWidget> owner = owner_;
    wheelBusy_ = true;
    forwarding_ = true;
    QCoreApplication::sendEvent(owner, event);
    forwarding_ = false;
    wheelBusy_ = false;
    return true;
}
