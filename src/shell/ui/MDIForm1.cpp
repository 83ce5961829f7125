#include "shell/ui/MDIForm1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QVBoxLayout>

#include "state/ViewerState.h"
#include "viewer/ui/WindowEffects.h"

MDIForm1::MDIForm1(ViewerState& state, WindowEffects& effects, Calls calls, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), effects_(effects), calls_(std::move(calls)),
      tabStrip_(new QTabBar(this)), area_(new QMdiArea(this))
{
    setWindowTitle(Caption());
    // Shown and minimized behind the viewer at start-up: the keys stay with the viewer.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tabStrip_->setExpanding(false);
    tabStrip_->setDocumentMode(true);
    layout->addWidget(tabStrip_);
    layout->addWidget(area_, 1);
    resize(640, 480);
    connect(tabStrip_, &QTabBar::tabBarClicked, this, [this](int index) {
        tabStrip_->setCurrentIndex(index);
        TabC();
    });

    timer1_.setInterval(1);
    timer1_.setSingleShot(true);
    timer2_.setInterval(1);
    timer2_.setSingleShot(true);
    timer3_.setInterval(100);
    connect(&timer1_, &QTimer::timeout, this, &MDIForm1::Timer1_Timer);
    connect(&timer2_, &QTimer::timeout, this, &MDIForm1::Timer2_Timer);
    connect(&timer3_, &QTimer::timeout, this, &MDIForm1::Timer3_Timer);
}

MDIForm1::~MDIForm1() = default;

QString MDIForm1::Caption() { return QStringLiteral("設定"); }

QTimer& MDIForm1::Timer(int number)
{
    return number == 2 ? timer2_ : number == 3 ? timer3_ : timer1_;
}

void MDIForm1::MDIForm_Load()
{
    // A frame made while the program is already on its way out stays idle.
    if (state_.QuitState > 0)
        return;
    ChildForms.clear();
    while (tabStrip_->count() > 0)
        tabStrip_->removeTab(0);
    effects_.SetWindowAlpha(*this, kOpacity);
    timer1_.start();
    timer3_.start();
}

void MDIForm1::Timer1_Timer()
{
    QCoreApplication::processEvents();
    if (calls_.children)
        for (QWidget* child : calls_.children())
            AddChild(child);
    setWindowState(windowState() | Qt::WindowMinimized);
    ShowBehind();
}

void MDIForm1::ShowBehind()
{
    // Qt's sub-windows ask for their frame to be activated as they are shown; a frame shown
    // behind gives that activation straight back to the window that had the keys.
    giveBackTo_ = QGuiApplication::focusWindow();
    if (giveBackTo_ == windowHandle())
        giveBackTo_ = nullptr;
    behind_ = true;
    show();
    lower();
    QTimer::singleShot(kGiveBackMs, this, [this] { behind_ = false; });
}

void MDIForm1::ShowInFront()
{
    behind_ = false;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MDIForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !behind_ || !isActiveWindow())
        return;
    behind_ = false;
    if (giveBackTo_)
        giveBackTo_->requestActivate();
}

QMdiSubWindow* MDIForm1::SubWindowOf(QWidget* child) const
{
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (sub->widget() == child)
            return sub;
    return nullptr;
}

void MDIForm1::AddChild(QWidget* child)
{
    if (!child)
        return; // a window that does not exist (yet) is skipped
    QMdiSubWindow* sub = SubWindowOf(child);
    if (!sub)
        sub = area_->addSubWindow(child);
    sub->setWindowIcon(windowIcon());
    child->show();
    area_->setActiveSubWindow(sub);
    MDIForm_Activate();
}

void MDIForm1::MDIForm_Activate()
{
    QMdiSubWindow* active = area_->activeSubWindow();
    if (!active)
        return;
    const QString caption = active->windowTitle();
    bool found = false;
    for (int i = 0; i < tabStrip_->count() && !found; ++i)
        found = tabStrip_->tabText(i) == caption;
    if (!found) {
        tabStrip_->insertTab(0, caption);
        ChildForms.push_back(active);
    }
    active->showMaximized();
}

void MDIForm1::TabC()
{
    const int index = tabStrip_->currentIndex();
    if (index < 0)
        return;
    const QString caption = tabStrip_->tabText(index);
    for (const QPointer<QMdiSubWindow>& child : ChildForms) {
        if (child && child->windowTitle() == caption) {
            area_->setActiveSubWindow(child);
            child->showMaximized();
            child->widget()->setFocus();
            return;
        }
    }
}

QStringList MDIForm1::TabCaptions() const
{
    QStringList captions;
    for (int i = 0; i < tabStrip_->count(); ++i)
        captions << tabStrip_->tabText(i);
    return captions;
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    // The frame stays; the program ends through the viewer, which saves everything first.
    event->ignore();
    if (state_.QuitState > 0)
        return;
    state_.QuitState = 1;
    timer2_.start();
}

void MDIForm1::Timer2_Timer()
{
    if (calls_.startViewerQuit)
        calls_.startViewerQuit();
}

void MDIForm1::Timer3_Timer()
{
    if (state_.QuitState == 1 && calls_.unloadViewer)
        calls_.unloadViewer();
    if (state_.QuitState == 2 && calls_.endProgram)
        calls_.endProgram();
}
