// The display settings dialog: its controls as designed, and its load and unload.
#include "settings/ui/Form2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include "core/Notation.h"
#include "core/Prompter.h"
#include "settings/ui/TextViewSettings.h"
#include "settings/ui/ViewerDisplay.h"
#include "state/ViewerState.h"

namespace {

constexpr int kClientWidthTwips = 5040;
constexpr int kClientHeightTwips = 5100;

// Places a control at its designed position, given in twips.
void Place(QWidget* w, int left, int top, int width, int height)
{
    const double tpp = Surface::ScreenTwipsPerPixel();
    w->setGeometry(int(left / tpp), int(top / tpp), int(width / tpp), int(height / tpp));
}

const char16_t* const kSchemeCaptions[] = {u"黒の背景に白文字", u"白の背景に黒文字",
                                           u"黒に白文字で色変", u"白に黒文字で色変"};

} // namespace

QString Form2::Caption() { return QStringLiteral("Setting"); }

QString Form2::HelpText()
{
    static const char16_t* const lines[] = {
        u"画面にフォーカスがある時", u"Esc：終了", u"S：画面設定画面", u"A：連続複数改行を改ページ",
        u"Z：文字表示速度の変更", u"↑↓：スクロール", u"Shift+↑↓：画面伸縮", u"Ctrl+C：コピー",
        u"Ctrl+V：貼り付け", u"Ctrl+B：追加貼り付け", u"Ctrl+T：常に手前で表示/切り替え",
        u"マウスでの操作", u"左クリック：次へスクロール", u"右クリック：前へスクロール",
        u"中クリック：貼り付け", u"Ctrl+右クリック：つかんで移動"};
    QString text;
    for (const char16_t* line : lines)
        text += QString::fromUtf16(line) + QStringLiteral("\r\n");
    return text;
}

Form2::Form2(const Shared& shared, QWidget* parent) : QWidget(parent), shared_(shared)
{
    setWindowTitle(Caption());
    if (!parent) // a window of its own: a fixed dialog that stays above the viewer
        setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    const double tpp = Surface::ScreenTwipsPerPixel();
    setFixedSize(int(kClientWidthTwips / tpp), int(kClientHeightTwips / tpp));
    CreateControls();
    SetTabOrder();
    ConnectHandlers();
}

Form2::~Form2() = default;

void Form2::CreateControls()
{
    for (int i = 0; i < 4; ++i) {
        option1_[i] = new QRadioButton(QString::fromUtf16(kSchemeCaptions[i]), this);
        Place(option1_[i], 240, 240 + 360 * i, 2055, 255);
    }
    label1_[0] = new QLabel(QStringLiteral("赤、緑、青、文字との濃度"), this);
    Place(label1_[0], 120, 1800, 2295, 255);
    for (int i = 0; i < 4; ++i) {
        rgbtext_[i] = new QLineEdit(this);
        rgbtext_[i]->setMaxLength(3);
        rgbtext_[i]->installEventFilter(this);
        Place(rgbtext_[i], 120 + 600 * i, 2040, 495, 270);
    }
    label1_[1] = new QLabel(QStringLiteral("透明度"), this);
    Place(label1_[1], 120, 2400, 855, 255);
    check2_ = new QCheckBox(QStringLiteral("背景透過"), this);
    Place(check2_, 1080, 2400, 1335, 255);
    hScroll1_ = new QScrollBar(Qt::Horizontal, this);
    hScroll1_->setRange(0, 100);
    Place(hScroll1_, 120, 2760, 2295, 255);
    // Designed at 2640 (under the size box); from the list's edge it is read whole.
    label1_[2] = new QLabel(QStringLiteral("フォントサイズ"), this);
    Place(label1_[2], 2520, 150, 1320, 255);
    combo1_ = new QComboBox(this);
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    Place(combo1_, 3840, 120, 975, 300);
    list1_ = new QListWidget(this);
    Place(list1_, 2520, 480, 2295, 2220);
    check1_[0] = new QCheckBox(QStringLiteral("ふと文字"), this);
    Place(check1_[0], 2520, 2760, 975, 255);
    check1_[1] = new QCheckBox(QStringLiteral("ななめ文字"), this);
    Place(check1_[1], 3600, 2760, 1215, 255);
    // Up to the hotkey button, in a smaller size: the seconds must stay readable.
    label1_[3] = new QLabel(this);
    QFont small = label1_[3]->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label1_[3]->setFont(small);
    Place(label1_[3], 120, 3120, 3100, 255);
    hScroll2_ = new QScrollBar(Qt::Horizontal, this);
    hScroll2_->setRange(0, 300);
    Place(hScroll2_, 0, 3360, 2895, 255);
    command1_ = new QPushButton(QStringLiteral("ホットキー(&H)"), this);
    Place(command1_, 3240, 3240, 1455, 375);
    label2_ = new QLabel(QStringLiteral("操作方法"), this);
    Place(label2_, 120, 3720, 1095, 255);
    text1_ = new QPlainTextEdit(this);
    text1_->setReadOnly(true);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setPlainText(HelpText());
    Place(text1_, 120, 3960, 4695, 975);
    timer1_ = new QTimer(this);
    timer1_->setSingleShot(true);
    timer1_->setInterval(1);
    ResetToDesign();
}

void Form2::SetTabOrder()
{
    // Labels take no focus; the order of the rest is the designed one.
    const QList<QWidget*> order{option1_[0], option1_[1], option1_[2], option1_[3], rgbtext_[0],
                                rgbtext_[1], rgbtext_[2], rgbtext_[3], check2_, hScroll1_,
                                combo1_, list1_, check1_[0], check1_[1], command1_, text1_,
                                hScroll2_};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void Form2::ConnectHandlers()
{
    for (int i = 0; i < 4; ++i) {
        connect(option1_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
        connect(rgbtext_[i], &QLineEdit::textChanged, this, [this, i] { rgbtext_Change(i); });
    }
    for (QCheckBox* box : check1_)
        connect(box, &QCheckBox::stateChanged, this, [this] { Check1_Click(); });
    connect(check2_, &QCheckBox::stateChanged, this, [this] { Check2_Click(); });
    connect(hScroll1_, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(hScroll2_, &QScrollBar::valueChanged, this, [this] { HScroll2_Change(); });
    connect(combo1_, &QComboBox::editTextChanged, this, [this] { Combo1_Change(); });
    connect(list1_, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Form2::ResetToDesign()
{
    // The controls as a fresh load finds them; no handler runs.
    const QList<QObject*> all = findChildren<QObject*>();
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (QObject* o : all)
        quiet.push_back(std::make_unique<QSignalBlocker>(o));
    for (QRadioButton* b : option1_) {
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
    for (QLineEdit* e : rgbtext_)
        e->clear();
    check2_->setChecked(false);
    hScroll1_->setValue(70);
    hScroll2_->setValue(120);
    for (QCheckBox* b : check1_)
        b->setChecked(false);
    combo1_->clear();
    combo1_->setEditText(QString());
    list1_->clear();
    label1_[3]->setText(QStringLiteral("自動的に消える秒数(0は無限):"));
}

void Form2::FillFontList()
{
    // The installed families, and the one the viewer uses now even when it is drawn by a
    // substitute (the designed "ＭＳ ゴシック").
    QStringList names = QFontDatabase::families();
    const QString current = shared_.display.CanvasSurface().font().family();
    if (!names.contains(current))
        names.append(current);
    list1_->addItems(names);
}

void Form2::Form_Load()
{
    loaded_ = true;
    ResetToDesign();
    {
        const QSignalBlocker quiet(combo1_); // filling the list chooses no size
        for (int size = kLowestFontSize; size <= kHighestFontSize; ++size)
            combo1_->addItem(QString::number(size));
        combo1_->setEditText(QString());
    }
    SetOption1(0);
    const QFont& font = shared_.display.CanvasSurface().font();
    combo1_->setEditText(QString::number(int(notation::Fix(font.pointSizeF()))));
    check1_[0]->setChecked(font.bold());
    check1_[1]->setChecked(font.italic());
    FillFontList();
    for (int i = 0; i < list1_->count(); ++i)
        if (list1_->item(i)->text() == font.family())
            list1_->setCurrentRow(i);
    HScroll1_Change();
    HScroll2_Change();
    LoadTextViewSettings(shared_.settings, *this);
    timer1_->start();
}

bool Form2::Form_Unload()
{
    const IniSaveResult saved = SaveTextViewSettings(shared_.settings, *this);
    // During the viewer's start-up the dialog stays loaded: its settings are the live ones.
    if (!shared_.viewer.StartupDone)
        return false;
    if (!saved.ok)
        shared_.prompter.inform(saved.reason, Caption());
    loaded_ = false;
    timer1_->stop();
    hide();
    return true;
}

void Form2::Timer1_Timer()
{
    if (!shared_.viewer.StartupDone)
        Form_Unload();
}

void Form2::ShowForm()
{
    if (!loaded_)
        Form_Load();
    show();
    raise();
    activateWindow();
}

void Form2::closeEvent(QCloseEvent* event)
{
    if (loaded_ && !Form_Unload())
        event->ignore();
    else
        event->accept();
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll); // a click would undo it at once
    return QWidget::eventFilter(watched, event);
}

void Form2::Command1_Click()
{
    if (shared_.showForm4)
        shared_.showForm4();
}
