#include "viewer/ui/ButtonBar.h"

#include <QCoreApplication>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

const std::array<QString, ButtonBar::kButtons> kCaptions{
    QStringLiteral("戻る"), QStringLiteral("進む"), QStringLiteral("ｺﾋﾟｰ"),
    QStringLiteral("貼付"), QStringLiteral("更新"), QStringLiteral("ｷｬｯｼｭ")};

} // namespace

ButtonBar::ButtonBar(double twipsPerPixel, QWidget* parent) : QWidget(parent)
{
    auto px = [twipsPerPixel](int twips) { return int(std::lround(twips / twipsPerPixel)); };
    setGeometry(0, 0, px(3975), px(495));
    setAutoFillBackground(true);
    QFont small = font();
    small.setPointSizeF(8);
    for (int i = 0; i < kButtons; ++i) {
        auto* b = new QPushButton(kCaptions[size_t(i)], this);
        b->setGeometry(px(120 + 600 * i), 0, px(615), px(375));
        b->setFont(small);
        b->setFocusPolicy(Qt::NoFocus); // keys stay with the viewer
        buttons_[size_t(i)] = b;
    }
    hide();
}

QPushButton& ButtonBar::Command1(int index)
{
    return *buttons_[size_t(std::clamp(index, 0, kButtons - 1))];
}

void ButtonBar::Slide(bool wanted, const std::function<void(int ms)>& pause)
{
    if (!isHidden() == wanted)
        return;
    const int h = height();
    auto step = [&](int i) {
        resize(width(), h * i / 5);
        QCoreApplication::processEvents();
        pause(10);
    };
    if (!wanted) {
        for (int i = 5; i >= 0; --i)
            step(i);
        hide();
        resize(width(), h);
        return;
    }
    resize(width(), 0);
    show();
    for (int i = 0; i <= 5; ++i)
        step(i);
    resize(width(), h);
}
