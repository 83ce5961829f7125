#include "settings/ui/Form4.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

#include "core/GlobalHotkeys.h"
#include "core/Prompter.h"
#include "core/Surface.h"
#include "settings/HotKeySettings.h"
#include "settings/KeyMapTable.h"
#include "state/ViewerState.h"

namespace {

constexpr int kClientWidthTwips = 4185;
constexpr int kClientHeightTwips = 4350 + 540; // and a line for combinations that failed
constexpr double kNameColumnTwips = 1200;
const QColor kRefusedColour(200, 0, 0);

void Place(QWidget* w, int left, int top, int width, int height)
{
    const double tpp = Surface::ScreenTwipsPerPixel();
    w->setGeometry(int(left / tpp), int(top / tpp), int(width / tpp), int(height / tpp));
}

// Draws a row as a combination and, in one column for all rows, the action name: the
// filler of tabs lines names up only when every combination is shorter than the column.
class HotKeyRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int nameColumnPx = 80;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        const bool selected = opt.state & QStyle::State_Selected;
        const QVariant foreground = index.data(Qt::ForegroundRole);
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText)
                        : foreground.isValid() ? foreground.value<QBrush>().color()
                                               : opt.palette.color(QPalette::Text));
        const QRect area = opt.rect.adjusted(2, 0, -2, 0);
        painter->drawText(area, Qt::AlignVCenter, text.section(u'\t', 0, 0).trimmed());
        painter->drawText(area.adjusted(nameColumnPx, 0, 0, 0), Qt::AlignVCenter, text.section(u'\t', -1));
        painter->restore();
    }
};

} // namespace

QString Form4::Caption() { return QStringLiteral("ホットキー"); }

Form4::Form4(const Shared& shared, QWidget* parent) : QWidget(parent), shared_(shared)
{
    setWindowTitle(Caption());
    if (!parent) // a fixed dialog, not in the taskbar
        setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    const double tpp = Surface::ScreenTwipsPerPixel();
    setFixedSize(int(kClientWidthTwips / tpp), int(kClientHeightTwips / tpp));
    list1_ = new QListWidget(this);
    list1_->setItemDelegate(new HotKeyRowDelegate(list1_));
    list1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // rows are drawn to fit
    Place(list1_, 120, 120, 3855, 3660);
    text1_ = new QLineEdit(QStringLiteral("Text1"), this);
    text1_->installEventFilter(this);
    Place(text1_, 120, 3840, 1695, 375);
    command1_[0] = new QPushButton(QStringLiteral("OK"), this);
    Place(command1_[0], 2160, 3840, 855, 375);
    command1_[1] = new QPushButton(QStringLiteral("Cancel"), this);
    Place(command1_[1], 3120, 3840, 855, 375);
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0)"));
    Place(problem_, 120, 4290, 3855, 540);
    setTabOrder(list1_, text1_);
    setTabOrder(text1_, command1_[0]);
    setTabOrder(command1_[0], command1_[1]);
    connect(list1_, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    connect(text1_, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    for (int i = 0; i < 2; ++i)
        connect(command1_[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
}

Form4::~Form4() = default;

bool Form4::Desktop() const { return shared_.viewer.RunMode > 9; }

QString Form4::RowText(int slot) const
{
    const std::array<int16_t, 2>& entry = shared_.keys.HotKeyTable.at(slot);
    int mask = entry[HotKeys::kModifiers];
    QString text;
    const std::pair<int, const char*> words[] = {{4, "Shift"}, {2, "Ctrl "}, {1, "Alt "}};
    for (const auto& [bit, word] : words) {
        if (mask & bit) {
            mask -= bit;
            text += QLatin1String(word);
        }
    }
    if (!text.isEmpty())
        text += u'+';
    text += LoadKeyMapTable(shared_.paths, entry[HotKeys::kKeyCode]);
    const QFontMetricsF metrics(font());
    const double tpp = Surface::ScreenTwipsPerPixel();
    // At least one blank and tab, so that a long combination never runs into the name.
    for (int guard = 0; guard < 200 && (guard == 0 || metrics.horizontalAdvance(text) * tpp < kNameColumnTwips);
         ++guard)
        text += QStringLiteral(" \t");
    return text + shared_.keys.HotKeyName.at(slot);
}

void Form4::List_index()
{
    QFont listFont = list1_->font();
    listFont.setFamily(font().family());
    listFont.setStrikeOut(font().strikeOut());
    listFont.setPointSizeF(font().pointSizeF() + 2);
    list1_->setFont(listFont);
    const QSignalBlocker quiet(list1_);
    list1_->clear();
    const QFontMetrics metrics(listFont);
    int column = int(kNameColumnTwips / Surface::ScreenTwipsPerPixel());
    for (int s = 0; s < HotKeys::kSlots; ++s) {
        const QString row = RowText(s);
        column = std::max(column, metrics.horizontalAdvance(row.section(u'\t', 0, 0)) + metrics.averageCharWidth());
        auto* item = new QListWidgetItem(row, list1_);
        if (refused_[s]) {
            item->setForeground(kRefusedColour);
            item->setToolTip(QStringLiteral("この組み合わせは他のプログラムが使っているため登録できません。"));
        }
    }
    static_cast<HotKeyRowDelegate*>(list1_->itemDelegate())->nameColumnPx = column;
    list1_->viewport()->update();
}

void Form4::SelectRow(int row)
{
    if (list1_->currentRow() == row)
        List1_Click();
    else
        list1_->setCurrentRow(row); // fires List1_Click
}

void Form4::Form_Load()
{
    loaded_ = true;
    if (Desktop()) {
        for (int s = 0; s < HotKeys::kSlots; ++s)
            shared_.hotkeys.Unregister(HotKeys::kFirstId + s);
        for (int s = 0; s < HotKeys::kSlots; ++s)
            TryRegistering(s);
    }
    ShowProblems();
    List_index();
    SelectRow(0);
}

void Form4::TryRegistering(int slot)
{
    // Registered for a moment only: while the dialog is open its keys must reach the field.
    const std::array<int16_t, 2>& entry = shared_.keys.HotKeyTable.at(slot);
    refused_[slot] = false;
    if (entry[HotKeys::kKeyCode] == 0 || !shared_.hotkeys.Available())
        return;
    const int32_t id = HotKeys::kFirstId + slot;
    refused_[slot] = !shared_.hotkeys.Register(id, entry[HotKeys::kModifiers], entry[HotKeys::kKeyCode]);
    if (!refused_[slot])
        shared_.hotkeys.Unregister(id);
}

void Form4::ShowProblems()
{
    QStringList names;
    for (int s = 0; s < HotKeys::kSlots; ++s)
        if (refused_[s])
            names.append(QStringLiteral("「%1」").arg(shared_.keys.HotKeyName[s].isEmpty()
                                                         ? QString::number(s + 1)
                                                         : shared_.keys.HotKeyName[s]));
    if (Desktop() && !shared_.hotkeys.Available())
        problem_->setText(QStringLiteral("この環境ではホットキーを登録できません。"));
    else if (!names.isEmpty())
        problem_->setText(names.join(QString()) + QStringLiteral(
            "のキーの組み合わせは他のプログラムが使っているため登録できません。別の組み合わせを押してください。"));
    else
        problem_->clear();
}

void Form4::List1_Click()
{
    const QListWidgetItem* item = list1_->currentItem();
    if (!item)
        return;
    text1_->setText(item->text().split(u'\t').first());
}

void Form4::Text1_KeyDown(int16_t KeyCode, int16_t Shift)
{
    const QString keyName = LoadKeyMapTable(shared_.paths, KeyCode);
    const QString stateName = LoadKeyMapTable(shared_.paths, Shift);
    const int slot = std::max(list1_->currentRow(), 0);
    std::array<int16_t, 2>& entry = shared_.keys.HotKeyTable.at(slot);
    entry[HotKeys::kKeyCode] = KeyCode;
    // The key event's state (1 Shift, 2 Ctrl, 4 Alt) as the registration's mask (1 Alt,
    // 2 Ctrl, 4 Shift).
    int16_t mask = 0;
    QString words;
    const std::tuple<int, int, const char*> bits[] = {{4, 1, "Alt "}, {2, 2, "Ctrl "}, {1, 4, "Shift"}};
    for (const auto& [state, bit, word] : bits) {
        if (Shift & state) {
            mask = int16_t(mask + bit);
            words += QLatin1String(word);
        }
    }
    entry[HotKeys::kModifiers] = mask;
    QString display = keyName;
    if (!keyName.isEmpty() && !stateName.isEmpty())
        display += u'+';
    display += words;
    text1_->setText(display);
    CaptureText_ = display;
    Text1_Change();
    if (Desktop())
        TryRegistering(slot);
    ShowProblems();
    List_index();
    SelectRow(slot);
}

void Form4::Text1_Change()
{
    if (CaptureText_.isEmpty())
        return;
    const QSignalBlocker quiet(text1_);
    text1_->setText(CaptureText_);
    CaptureText_.clear();
}

void Form4::Command1_Click(int index)
{
    SkipSave_ = index == 1;
    close();
}

void Form4::Form_Unload()
{
    loaded_ = false;
    if (!SkipSave_) {
        SaveHotKeySettings(shared_.settings, shared_.keys);
        if (!shared_.settings.LastSaveResult().ok)
            shared_.prompter.inform(shared_.settings.LastSaveResult().reason, Caption());
    }
    if (!Desktop())
        return;
    QStringList failed;
    for (int s = 0; s < HotKeys::kSlots; ++s) {
        const std::array<int16_t, 2>& entry = shared_.keys.HotKeyTable[s];
        const bool ok = shared_.hotkeys.Register(HotKeys::kFirstId + s, entry[HotKeys::kModifiers],
                                                 entry[HotKeys::kKeyCode]);
        if (!ok && entry[HotKeys::kKeyCode] != 0 && shared_.hotkeys.Available())
            failed.append(RowText(s).split(u'\t').first().trimmed() + QStringLiteral("（")
                          + shared_.keys.HotKeyName[s] + QStringLiteral("）"));
    }
    if (!failed.isEmpty())
        shared_.prompter.inform(QStringLiteral("次のホットキーは他のプログラムが使っているため登録できませんでした。"
                                               "設定画面の「ホットキー」で別の組み合わせを選んでください。\n")
                                    + failed.join(u'\n'),
                                Caption());
}

void Form4::ShowForm()
{
    if (!loaded_)
        Form_Load();
    show();
    raise();
    activateWindow();
}

void Form4::closeEvent(QCloseEvent* event)
{
    if (loaded_)
        Form_Unload();
    event->accept();
}

bool Form4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != text1_)
        return QWidget::eventFilter(watched, event);
    const auto* key = dynamic_cast<QKeyEvent*>(event);
    const bool focusKey = key && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab);
    if (event->type() == QEvent::ShortcutOverride && !focusKey) {
        event->accept(); // every combination reaches the field, none triggers a shortcut
        return true;
    }
    if (event->type() != QEvent::KeyPress || focusKey || !shared_.translateKey)
        return QWidget::eventFilter(watched, event);
    const auto [code, state] = shared_.translateKey(*key);
    if (code != 0)
        Text1_KeyDown(code, state);
    return true; // the field shows the combination, not typed characters
}
