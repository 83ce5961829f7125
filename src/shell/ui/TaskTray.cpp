#include "shell/ui/TaskTray.h"

#include "viewer/ui/Form1.h"

TaskTray::TaskTray(Form1& viewer, const QIcon& icon, bool handleClicks, QObject* parent)
    : QObject(parent), viewer_(viewer), icon_(new QSystemTrayIcon(icon, this))
{
    icon_->setToolTip(Form1::Caption());
    if (handleClicks)
        connect(icon_, &QSystemTrayIcon::activated, this, &TaskTray::TrayWindowProc);
}

TaskTray::~TaskTray() = default;

void TaskTray::AddTrayIcon() { icon_->show(); }

void TaskTray::RemoveTrayIcon() { icon_->hide(); }

bool TaskTray::InTray() const
{
    return icon_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void TaskTray::TrayWindowProc(QSystemTrayIcon::ActivationReason reason)
{
    if (viewer_.Unloaded())
        return;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        viewer_.FormHihyouji();
        break;
    case QSystemTrayIcon::Context:
        // The tray's own click handling returns first; the quit runs on the viewer's timer.
        viewer_.SetTimerEnabled(4, true);
        break;
    default:
        break;
    }
}
