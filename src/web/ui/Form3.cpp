// The browser window's controls, their places and the URL list.
#include "web/ui/Form3.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "state/PageHistory.h"
#include "state/PageRecord.h"
#include "state/ViewerState.h"
#include "web/ClipFiles.h"

namespace {

constexpr int kMargin = 10; // pixels
constexpr int kListRows = 40;

QPushButton* Button(const QString& caption, QWidget* parent, int x, int y, int width)
{
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(x, y, width, 26);
    b->setAutoDefault(false);
    return b;
}

} // namespace

Form3::Form3(const Shared& shared, QWidget* parent) : QWidget(parent), s_(shared)
{
    setWindowTitle(QStringLiteral("URLリスト呼んだ順"));
    BuildControls();
    Connect();
    resize(590, 460);
    Form3_listLoad();
    if (s_.page.PageHtml.isEmpty())
        s_.page.PageHtml = ReadSaveFile(s_.paths.dataFile(QStringLiteral("clip.html")));
}

Form3::~Form3() = default;

void Form3::BuildControls()
{
    text1_ = new QLineEdit(this);
    text1_->setGeometry(kMargin, kMargin, 500, 24);
    text1_->installEventFilter(this);
    command2_ = Button(QStringLiteral("移動(&V)"), this, kMargin, 46, 90);
    command2_->setDefault(true);
    picture1_ = new QFrame(this);
    picture1_->setGeometry(105, 44, 470, 32);
    command6_ = Button(QStringLiteral("再読込"), picture1_, 0, 2, 70);
    command4_ = Button(QStringLiteral("キャッシュ再読込"), picture1_, 75, 2, 120);
    command3_[0] = Button(QStringLiteral("戻る(&<)"), picture1_, 200, 2, 80);
    command3_[1] = Button(QStringLiteral("進む(&>)"), picture1_, 285, 2, 80);
    command7_ = Button(QStringLiteral("履歴クリア"), picture1_, 370, 2, 90);
    label1_ = new QLabel(this);
    label1_->setGeometry(kMargin, 80, 560, 22);
    command1_ = Button(QStringLiteral("コピる(&C)"), this, kMargin, 106, 90);
    command5_ = Button(QStringLiteral("↓クリア"), this, 105, 106, 80);
    list1_ = new QListWidget(this);
    list1_->move(kMargin, 138);
    list1_->installEventFilter(this);
    timer1_ = new QTimer(this);
    timer1_->setInterval(1000);
    timer1_->start();
}

void Form3::Connect()
{
    connect(text1_, &QLineEdit::returnPressed, this, &Form3::Command2_Click);
    connect(command2_, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(command6_, &QPushButton::clicked, this, &Form3::Command6_Click);
    connect(command4_, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(command3_[0], &QPushButton::clicked, this, [this] { Command3_Click(0); });
    connect(command3_[1], &QPushButton::clicked, this, [this] { Command3_Click(1); });
    connect(command7_, &QPushButton::clicked, this, &Form3::Command7_Click);
    connect(command1_, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(command5_, &QPushButton::clicked, this, &Form3::Command5_Click);
    connect(list1_, &QListWidget::itemClicked, this, &Form3::List1_Click);
    connect(timer1_, &QTimer::timeout, this, &Form3::Timer1_Timer);
}

void Form3::Form3_listLoad()
{
    // Newest first: step back from the slot that takes the next URL, all the way round.
    list1_->clear();
    ListedUrlCount = s_.viewer.UrlRingNext;
    const int ringSize = int(s_.viewer.UrlRing.size());
    int index = s_.viewer.UrlRingNext;
    for (int row = 0; row < kListRows; ++row) {
        index = (index + ringSize - 1) % ringSize;
        list1_->addItem(s_.viewer.UrlRing[size_t(index)]);
    }
    SetBackForwardState();
}

void Form3::SetBackForwardState()
{
    command3_[0]->setEnabled(CanGoBack());
    command3_[1]->setEnabled(CanGoForward());
}

bool Form3::CanGoBack() const { return s_.history.occupied(PageHistory::kCurrent + 1); }

bool Form3::CanGoForward() const { return s_.history.occupied(PageHistory::kCurrent - 1); }

void Form3::SetAddress(const QString& url) { text1_->setText(url); }

void Form3::Timer1_Timer()
{
    if (s_.viewer.UrlRingNext != ListedUrlCount)
        Form3_listLoad();
}

void Form3::Command5_Click()
{
    for (QString& slot : s_.viewer.UrlRing)
        slot.clear();
    s_.viewer.UrlRingNext = 0;
    ListedUrlCount = 1; // differs from the ring's next slot: the next tick refills the list
}

void Form3::Command1_Click()
{
    if (const QListWidgetItem* row = list1_->currentItem())
        QGuiApplication::clipboard()->setText(row->text());
}

void Form3::List1_Click()
{
    const QString row = list1_->currentItem() ? list1_->currentItem()->text() : QString();
    list1_->setToolTip(row);
    text1_->setText(row);
    Text1_DblClick();
}

void Form3::List1_KeyDown()
{
    list1_->setToolTip(list1_->currentItem() ? list1_->currentItem()->text() : QString());
    Text1_DblClick();
}

void Form3::Text1_DblClick() { text1_->setSelection(0, int(text1_->text().size())); }

bool Form3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list1_ && event->type() == QEvent::KeyPress)
        QTimer::singleShot(0, this, &Form3::List1_KeyDown); // after the list has moved its row
    else if (watched == text1_ && event->type() == QEvent::MouseButtonDblClick) {
        Text1_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form3::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form3::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    list1_->resize(std::max(0, width() - list1_->x() - kMargin),
                   std::max(0, height() - list1_->y() - 3 * kMargin));
    text1_->resize(std::max(0, width() - text1_->x() - kMargin), text1_->height());
}
