#include "shell/ui/MDIForm1.h"

#include <QCloseEvent>
#include <QCoreApplication>
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
    // Qt's sub-windows ask for their frame to be activated whenever they change state, and
    // on a bare X server such a request takes the keys at once, even one that arrives late,
    // when the frame is first drawn. A frame shown behind therefore takes no focus at all
    // until the user brings it forward.
    SetTakesFocus(false);
    show();
    lower();
    // Where nothing minimizes it, the frame stays in sight: a click on it is a request.
    windowHandle()->removeEventFilter(this);
    windowHandle()->installEventFilter(this);
}

void MDIForm1::ShowInFront()
{
    SetTakesFocus(true);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MDIForm1::SetTakesFocus(bool takes)
{
    // A disabled area activates none of its children, so none of them asks for the frame.
    area_->setEnabled(takes);
    setAttribute(Qt::WA_X11DoNotAcceptFocus, !takes);
    if (QWindow* window = windowHandle())
        window->setFlag(Qt::WindowDoesNotAcceptFocus, !takes);
}

void MDIForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // Restored by the user from the task bar: the frame is theirs to type in.
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if ((change->oldState() & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized))
        TakeFocusForUser();
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::MouseButtonPress)
        TakeFocusForUser();
    return QWidget::eventFilter(watched, event);
}

void MDIForm1::TakeFocusForUser()
{
    if (area_->isEnabled())
        return; // in front already
    SetTakesFocus(true);
    TabC(); // the child of the current tab takes the keys
    raise();
    activateWindow();
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
    area_->setActiveSubWindow(sub); // refused while the frame is behind; the tab still comes
    BringForward(sub);
    if (area_->isEnabled())
        FocusInto(child);
}

void MDIForm1::MDIForm_Activate()
{
    if (QMdiSubWindow* active = area_->activeSubWindow())
        BringForward(active);
}

void MDIForm1::BringForward(QMdiSubWindow* sub)
{
    const QString caption = sub->windowTitle();
    int tab = 0;
    while (tab < tabStrip_->count() && tabStrip_->tabText(tab) != caption)
        ++tab;
    if (tab == tabStrip_->count()) {
        tab = 0;
        tabStrip_->insertTab(tab, caption);
        ChildForms.push_back(sub);
    }
    tabStrip_->setCurrentIndex(tab);
    sub->showMaximized();
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
            FocusInto(child->widget());
            return;
        }
    }
}

void MDIForm1::FocusInto(QWidget* child)
{
    // The child's own control that last had the keys, else its first one that takes them:
    // the child itself is only a container, and keys given to it would go nowhere.
    QWidget* target = child->focusWidget();
    for (QWidget* w = child->nextInFocusChain(); !target && w && w != child; w = w->nextInFocusChain())
        if (child->isAncestorOf(w) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            target = w;
    (target ? target : child)->setFocus();
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
