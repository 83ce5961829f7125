#pragma once
// The viewer's wheel source: watches one window and turns its wheel turns into one
// MouseWheel(-1 or 1) per notch, and its middle button into MouseWheelButtonDown/Up with
// client coordinates in twips. Every event still reaches the window afterwards.
#include <QObject>
#include <QPointer>
#include <QWidget>

class QWheelEvent;

class clsWheelMouse : public QObject {
    Q_OBJECT
public:
    // One wheel notch in Qt's angle units (eighths of a degree).
    static constexpr int kNotch = 120;

    explicit clsWheelMouse(QObject* parent = nullptr);
    ~clsWheelMouse() override;

    // Starts watching owner; false when already watching, owner is null, or another
    // instance already watches it.
    bool Initialize(QWidget* owner);
    void Terminate();
    // iniOption 3: MouseWheel(iniVector); 2: MouseWheelButtonUp; 1: MouseWheelButtonDown.
    void raiseMyEvent(int iniOption, short iniVector, float insX, float insY);

    QWidget* OwnerhWnd() const { return owner_; }
    bool Hooked() const { return hooked_; }
    bool WheelBusy() const { return wheelBusy_; }

signals:
    void MouseWheel(short iniVector);
    void MouseWheelButtonUp(float X, float Y);
    void MouseWheelButtonDown(float X, float Y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onWheel(const QWheelEvent& event);
    void raiseGuarded(int iniOption, short iniVector, float x, float y);

    QPointer<QWidget> owner_;
    bool hooked_ = false;
    // True while an event is being raised: a wheel turn that arrives while its handler
    // still runs (a question box with its own event loop) raises nothing.
    bool wheelBusy_ = false;
    bool forwarding_ = false; // passing a middle-button event on to the window ourselves
    int pendingDelta_ = 0;    // small deltas of fine-grained wheels and touchpads
};
