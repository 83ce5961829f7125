#pragma once
// The viewer's icon in the desktop's system tray: a left click hides or shows the viewer
// with its fade, a right click ends the program (after the fade, with the usual unload
// work). Where no tray exists the program runs on without the icon; Qt puts the icon in a
// tray that appears later.
#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

class Form1;

class TaskTray : public QObject {
    Q_OBJECT
public:
    // Without handleClicks (a debug run) the icon is shown but its clicks do nothing.
    TaskTray(Form1& viewer, const QIcon& icon, bool handleClicks, QObject* parent = nullptr);
    ~TaskTray() override;

    void AddTrayIcon();
    void RemoveTrayIcon();
    // The icon is in a tray now, where a click can bring the viewer back.
    bool InTray() const;
    void TrayWindowProc(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon& Icon() { return *icon_; }

private:
    Form1& viewer_;
    QSystemTrayIcon* icon_;
};
