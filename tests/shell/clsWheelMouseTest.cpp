#include "shell/ui/clsWheelMouse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Counts what still reaches the window after the wheel source has seen it.
class CountingWidget : public QWidget {
public:
    int wheels = 0;
    int presses = 0;

protected:
    void wheelEvent(QWheelEvent* e) override
    {
        ++wheels;
        e->accept();
    }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

void Wheel(QWidget& w, int delta)
{
    QWheelEvent e(QPointF(10, 10), w.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &e);
}

void Middle(QWidget& w, QEvent::Type type, QPointF at)
{
    QMouseEvent e(type, at, w.mapToGlobal(at), Qt::MiddleButton,
                  type == QEvent::MouseButtonPress ? Qt::MiddleButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

struct WheelFixture : ::testing::Test {
    CountingWidget window;
    clsWheelMouse source;
    std::vector<short> turns;
    void SetUp() override
    {
        ASSERT_TRUE(source.Initialize(&window));
        QObject::connect(&source, &clsWheelMouse::MouseWheel, [this](short v) { turns.push_back(v); });
    }
};

} // namespace

TEST_F(WheelFixture, OneEventPerNotchWhateverTheDeltaSize)
{
    Wheel(window, -120);
    Wheel(window, 120);
    Wheel(window, -240); // a fast turn reported in one message is still one notch
    EXPECT_EQ(turns, (std::vector<short>{-1, 1, -1}));
    EXPECT_EQ(window.wheels, 3); // the window still gets every wheel message
}

TEST_F(WheelFixture, SmallDeltasAddUpToANotchAndATurnBackStartsAfresh)
{
    for (int i = 0; i < 7; ++i)
        Wheel(window, -15);
    EXPECT_TRUE(turns.empty());
    Wheel(window, -15);
    EXPECT_EQ(turns, (std::vector<short>{-1}));

    for (int i = 0; i < 7; ++i)
        Wheel(window, -15);
    Wheel(window, 60); // the seven steps towards the user are dropped, not netted
    Wheel(window, 60);
    EXPECT_EQ(turns, (std::vector<short>{-1, 1}));
}

TEST_F(WheelFixture, WheelDuringAHandlerRaisesNothing)
{
    int nested = 0;
    QObject::connect(&source, &clsWheelMouse::MouseWheel, [&](short) {
        if (nested++ == 0)
            Wheel(window, -120); // as if it arrived while a question box is open
    });
    Wheel(window, -120);
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(turns.size(), 1u);
    EXPECT_FALSE(source.WheelBusy());
    Wheel(window, -120);
    EXPECT_EQ(turns.size(), 2u);
}

TEST_F(WheelFixture, MiddleButtonGivesTwipsAndOtherButtonsNothing)
{
    std::vector<std::pair<float, float>> downs, ups;
    QObject::connect(&source, &clsWheelMouse::MouseWheelButtonDown,
                     [&](float x, float y) { downs.emplace_back(x, y); });
    QObject::connect(&source, &clsWheelMouse::MouseWheelButtonUp,
                     [&](float x, float y) { ups.emplace_back(x, y); });
    Middle(window, QEvent::MouseButtonPress, QPointF(10, 20));
    Middle(window, QEvent::MouseButtonRelease, QPointF(3, 4));
    QMouseEvent left(QEvent::MouseButtonPress, QPointF(1, 1), window.mapToGlobal(QPointF(1, 1)),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &left);

    const float tx = float(1440.0 / window.logicalDpiX()), ty = float(1440.0 / window.logicalDpiY());
    EXPECT_EQ(downs, (std::vector<std::pair<float, float>>{{10 * tx, 20 * ty}}));
    EXPECT_EQ(ups, (std::vector<std::pair<float, float>>{{3 * tx, 4 * ty}}));
    EXPECT_EQ(window.presses, 2); // middle and left both reach the window
}

TEST_F(WheelFixture, AWindowIsWatchedOnceAndNotAfterTerminate)
{
    clsWheelMouse second;
    EXPECT_FALSE(source.Initialize(&window));
    EXPECT_FALSE(second.Initialize(&window));
    source.Terminate();
    Wheel(window, -120);
    EXPECT_TRUE(turns.empty());
    EXPECT_TRUE(second.Initialize(&window)); // free again
}
