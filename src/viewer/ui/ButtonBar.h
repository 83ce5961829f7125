#pragma once
// The viewer's button bar Picture3: six buttons (back, forward, copy, paste, reload, cache)
// in a strip at the window's top left that slides open and shut. Hidden at start.
#include <QWidget>
#include <array>
#include <functional>

class QPushButton;

class ButtonBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtons = 6;

    ButtonBar(double twipsPerPixel, QWidget* parent);

    QPushButton& Command1(int index);
    // Slides the bar open or shut in six steps, letting events run and pausing between them.
    void Slide(bool wanted, const std::function<void(int ms)>& pause);

private:
    std::array<QPushButton*, kButtons> buttons_{};
};
