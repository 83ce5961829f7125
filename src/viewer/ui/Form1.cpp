#include "viewer/ui/Form1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QThread>
#include <cmath>

#include "viewer/ViewerFonts.h"
#include "viewer/ui/ButtonBar.h"
#include "viewer/ui/ColourKey.h"
#include "viewer/ui/Form1Hooks.h"
#include "viewer/ui/KeyTranslation.h"
#include "viewer/ui/SingleInstanceLock.h"
#include "viewer/ui/ViewerInput.h"
#include "viewer/ui/WindowEffects.h"

namespace {

// Intervals as the window was designed; index 0 is Timer1.
constexpr std::array<int, 8> kTimerIntervalMs{5, 3, 5, 1, 10, 1000, 1000, 10};
constexpr std::array<bool, 8> kTimerStartsOn{false, false, false, false, false, true, true, false};

} // namespace

Form1::Form1(const Shared& shared, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), shared_(shared),
      viewer_(shared.viewer), status_(shared.viewer, page_),
      renderer_(shared.viewer, page_, *this, status_),
      quitKeys_(std::make_unique<QuitKeyInput>(*this))
{
    sinceCreated_.start();
    clock_ = [this] { return double(sinceCreated_.elapsed()); };
    pause_ = [](int ms) { QThread::msleep(ulong(std::max(ms, 0))); };
    input_ = quitKeys_.get();

    setWindowTitle(Caption());
    // The background colour may be keyed out, which needs a window with an alpha channel.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setMouseTracking(true);

    const double tpp = surface_.twipsPerPixel();
    const int minimumPx = int(std::ceil(kMinimumTwips / tpp));
    setMinimumSize(minimumPx, minimumPx);
    resize(int(std::lround(kClientWidthTwips / tpp)), int(std::lround(kClientHeightTwips / tpp)));
    surface_.resize(width(), height());
    for (Surface* s : {&surface_, &pageBuffer_})
        s->setFont(viewerfonts::ViewerFont());
    surface_.setChangedHandler([this](const QRect& r) { update(r); });

    CreateTimers();
    CreateControls();
}

Form1::~Form1() = default;

QString Form1::Caption() { return QStringLiteral("テキストリーダ"); }

void Form1::CreateTimers()
{
    for (int i = 0; i < 8; ++i) {
        auto* t = new QTimer(this);
        t->setInterval(kTimerIntervalMs[size_t(i)]);
        t->setTimerType(kTimerIntervalMs[size_t(i)] < 1000 ? Qt::PreciseTimer : Qt::CoarseTimer);
        timers_[size_t(i)] = t;
    }
    connect(timers_[0], &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(timers_[1], &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(timers_[2], &QTimer::timeout, this, &Form1::Timer3_Timer);
    connect(timers_[3], &QTimer::timeout, this, &Form1::Timer4_Timer);
    connect(timers_[4], &QTimer::timeout, this, &Form1::Timer5_Timer);
    connect(timers_[5], &QTimer::timeout, this, &Form1::Timer6_Timer);
    connect(timers_[6], &QTimer::timeout, this, &Form1::Timer7_Timer);
    connect(timers_[7], &QTimer::timeout, this, &Form1::Timer8_Timer);
    for (int i = 0; i < 8; ++i)
        SetTimerEnabled(i + 1, kTimerStartsOn[size_t(i)]);
}

void Form1::CreateControls()
{
    const double tpp = surface_.twipsPerPixel();
    buttonBar_ = new ButtonBar(tpp, this);
    for (int i = 0; i < ButtonBar::kButtons; ++i)
        connect(&buttonBar_->Command1(i), &QPushButton::clicked, this, [this, i] { Command1_Click(i); });

    toolTip_ = new QLabel(QStringLiteral("test"), this);
    toolTip_->setGeometry(int(std::lround(120 / tpp)), 0, int(std::lround(360 / tpp)),
                          int(std::lround(240 / tpp)));
    toolTip_->setAutoFillBackground(true);
    toolTip_->hide();
}

QTimer& Form1::Timer(int number)
{
    const int i = (number >= 1 && number <= 8) ? number - 1 : 0;
    return *timers_[size_t(i)];
}

void Form1::SetTimerEnabled(int number, bool on)
{
    QTimer& t = Timer(number);
    // Switching on a running timer must not restart its count.
    if (on && !t.isActive())
        t.start();
    else if (!on)
        t.stop();
}

bool Form1::Timer1Enabled() const { return timers_[0]->isActive(); }

void Form1::SetTimer1Enabled(bool on) { SetTimerEnabled(1, on); }

QPushButton& Form1::Command1(int index) { return buttonBar_->Command1(index); }

void Form1::Picture1_KeyDown(int16_t KeyCode, int16_t Shift) { input_->Picture1_KeyDown(KeyCode, Shift); }

void Form1::SetInput(ViewerInput* input) { input_ = input ? input : quitKeys_.get(); }

ViewerInput& Form1::Input() { return *input_; }

void Form1::SetWindowAlpha(int32_t level) { shared_.effects.SetWindowAlpha(*this, level); }

void Form1::SetAlwaysOnTop(bool onTop) { shared_.effects.SetAlwaysOnTop(*this, onTop); }

void Form1::SetColourKeyTransparency(bool on)
{
    colourKey_ = on;
    update();
}

FormGeometry Form1::GeometryTwips() const
{
    const double tpp = TwipsPerPixel();
    const QRect g = frameGeometry();
    return {int32_t(std::lround(g.x() * tpp)), int32_t(std::lround(g.y() * tpp)),
            int32_t(std::lround(g.width() * tpp)), int32_t(std::lround(g.height() * tpp))};
}

void Form1::SetGeometryTwips(const FormGeometry& g)
{
    const double tpp = TwipsPerPixel();
    auto px = [tpp](int32_t twips) { return int(std::lround(twips / tpp)); };
    move(px(g.Left), px(g.Top));
    resize(px(g.Width), px(g.Height));
    // A hidden window hears of its new size only when shown; the page is laid out before.
    Form_Resize();
}

double Form1::Point(double px) const { return px * TwipsPerPixel(); }

void Form1::Form_Resize()
{
    // The minimum size keeps the window at 1000 twips or more each way; the surface follows
    // the window (the page is not redrawn here).
    if (surface_.widthPx() != width() || surface_.heightPx() != height())
        surface_.resize(width(), height());
}

void Form1::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect r = event->rect();
    if (colourKey_)
        painter.drawImage(r, KeyOutColour(surface_.image(), r, surface_.BackColor()));
    else
        painter.drawImage(r, surface_.image(), r);
    if (!firstPageReported_ && startupPageReady_) {
        firstPageReported_ = true;
        shared_.hooks.FirstPageShown();
    }
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    VirtualKey key = TranslateKeyEvent(*event);
    if (key.KeyCode != 0)
        input_->Form_KeyDown(key.KeyCode, key.Shift);
}

void Form1::keyReleaseEvent(QKeyEvent* event)
{
    VirtualKey key = TranslateKeyEvent(*event);
    if (key.KeyCode != 0)
        input_->Form_KeyUp(key.KeyCode, key.Shift);
}

void Form1::RouteMouse(QMouseEvent* event, int kind)
{
    // A press or release names the button that changed; a move, those held down.
    const int16_t button = MouseButtonMask(kind == 1 ? event->buttons() : event->button());
    const int16_t shift = ShiftMask(event->modifiers());
    const double x = Point(event->position().x());
    const double y = Point(event->position().y());
    if (kind == 0)
        input_->Form_MouseDown(button, shift, x, y);
    else if (kind == 1)
        input_->Form_MouseMove(button, shift, x, y);
    else
        input_->Form_MouseUp(button, shift, x, y);
}

void Form1::mousePressEvent(QMouseEvent* event) { RouteMouse(event, 0); }

void Form1::mouseMoveEvent(QMouseEvent* event) { RouteMouse(event, 1); }

void Form1::mouseReleaseEvent(QMouseEvent* event) { RouteMouse(event, 2); }

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText() && input_->AcceptsDrops())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasText())
        return;
    event->acceptProposedAction();
    input_->Form_OLEDragDrop(event->mimeData()->text(), ShiftMask(event->modifiers()));
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closed by the window system (or by close()): the unload work runs all the same.
    Form_Unload();
    event->accept();
}
