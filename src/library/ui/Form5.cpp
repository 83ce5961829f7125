#include "library/ui/Form5.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

#include "library/TermSearch.h"
#include "settings/IniStore.h"
#include "state/ViewerState.h"
#include "viewer/ui/FindMojiretsu.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/ViewerCommandsSteps.h"
#include "viewer/ui/ViewerCommandsWindow.h"

namespace {

const QString kIdle = QStringLiteral("検索用語");
const QString kBusy = QStringLiteral("検索用語:検索中です");
const QString kBottom = QStringLiteral("検索用語:一番下まで検索しました。");
const QString kTop = QStringLiteral("検索用語:一番上まで検索しました。");
const QString kDone = QStringLiteral("検索用語:検索完了しました。");
const QString kAt = QStringLiteral("用語の検索 ");
constexpr qint64 kReportEveryMs = 100;

QString Where(const QString& prefix, int32_t pageStart, int32_t found)
{
    return prefix + QString::number(pageStart) + u'→' + QString::number(found);
}

} // namespace

Form5::Form5(Form1& viewer, ViewerCommandsWindow& commands, IniStore& ini, QWidget* parent)
    : QWidget(parent), viewer_(viewer), commands_(commands), ini_(ini)
{
    setWindowTitle(Caption());
    CreateControls();
    Form_Load();
}

QString Form5::Caption() { return QStringLiteral("用語の検索"); }

void Form5::CreateControls()
{
    auto* grid = new QGridLayout(this);
    labels_[1] = new QLabel(kIdle, this);
    combo_ = new QComboBox(this);
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setMaxCount(kMaxTerms + 1);
    combo_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const char16_t* captions[] = {u"下へ検索(&N)", u"上へ検索(&B)", u"キャンセル(&C)", u"閉じる(&Q)"};
    for (int i = 0; i < 4; ++i) {
        buttons_[size_t(i)] = new QPushButton(QString::fromUtf16(captions[i]), this);
        connect(buttons_[size_t(i)], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    labels_[0] = new QLabel(kIdle, this);
    checks_[0] = new QCheckBox(QStringLiteral("ファイル読み込み後、この検索を一度行う。"), this);
    checks_[1] = new QCheckBox(QStringLiteral("URLの読み込み後、この検索を一度行う。"), this);
    grid->addWidget(labels_[1], 0, 0);
    grid->addWidget(combo_, 0, 1, 1, 3);
    for (int i = 0; i < 4; ++i)
        grid->addWidget(buttons_[size_t(i)], 1, i);
    grid->addWidget(labels_[0], 2, 0, 1, 4);
    grid->addWidget(checks_[0], 3, 0, 1, 4);
    grid->addWidget(checks_[1], 4, 0, 1, 4);
    grid->setRowStretch(5, 1);
    // Enter in the term box searches forwards.
    connect(combo_->lineEdit(), &QLineEdit::returnPressed, this, [this] { Command1_Click(0); });
}

void Form5::Form_Load()
{
    RecentTerms terms;
    LoadTextFindSettings(ini_, terms);
    combo_->addItems(terms.list);
    combo_->setCurrentIndex(-1);
    combo_->setEditText(terms.text);
}

RecentTerms Form5::Terms() const
{
    RecentTerms terms;
    terms.text = combo_->currentText();
    for (int i = 0; i < combo_->count(); ++i)
        terms.list.append(combo_->itemText(i));
    return terms;
}

void Form5::SaveTextFindSettings() { ::SaveTextFindSettings(ini_, Terms()); }

void Form5::Form_Unload()
{
    SaveTextFindSettings();
    // As a tab of the main frame the dialog goes with its frame window.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->hide();
    else
        hide();
}

void Form5::ComboAdd(const QString& Str)
{
    if (Str.isEmpty())
        return;
    const QString text = Str; // the edit text changes as entries move
    const int at = combo_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (at >= 0)
        combo_->removeItem(at);
    combo_->insertItem(0, text);
    while (combo_->count() > kMaxTerms)
        combo_->removeItem(combo_->count() - 1);
    combo_->setCurrentIndex(0);
    combo_->setEditText(text);
}

void Form5::Command1_Click(int Index)
{
    if (Index == 2 || Index == 3) {
        Form_Unload();
        return;
    }
    const QString term = combo_->currentText();
    if (term.isEmpty() || searching_)
        return;
    ComboAdd(term);
    Search(Index, term);
}

int32_t Form5::Finder(int Index, const QString& Str, bool& found)
{
    found = !Str.isEmpty() && !searching_ && Search(Index, Str);
    return 0;
}

int32_t Form5::Finder(int Index, const QString& Str)
{
    bool found = false;
    return Finder(Index, Str, found);
}

bool Form5::Search(int Index, const QString& term)
{
    // A page turn under way owns the canvas; the search waits for none and is dropped, as
    // the viewer's own commands are.
    if (commands_.AnimationRunning())
        return false;
    SetBusy(true);
    viewer_.Timer6_kiru();
    // A page still being typed is finished first, so the walk starts where reading would.
    if (commands_.Timer1Enabled())
        viewercommands::FinishPage(commands_);
    const bool found = Index == 0 ? SearchForward(term) : SearchBackward(term);
    if (found)
        labels_[0]->setText(kDone);
    SetBusy(false);
    return found;
}

bool Form5::SearchForward(const QString& term)
{
    ViewerState& v = viewer_.Viewer();
    labels_[0]->setText(kBusy);
    sinceReport_.start();
    const termsearch::Result r = termsearch::SearchForward(
        v, term,
        [this, &v](int32_t at) {
            // The reader closing while the walk lets events run ends the walk.
            return v.QuitState > 0 || FindMojiretsu(commands_, at);
        },
        [this](int32_t start, int32_t found) { ReportProgress(start, found, kBusy + u' '); });
    if (r.found < 1) {
        labels_[0]->setText(kBottom);
        return false;
    }
    labels_[0]->setText(Where(kAt, r.pageStart, r.found));
    viewer_.FormRedraw();
    return true;
}

bool Form5::SearchBackward(const QString& term)
{
    ViewerState& v = viewer_.Viewer();
    labels_[0]->setText(kBusy);
    sinceReport_.start();
    const termsearch::Result r = termsearch::SearchBackward(
        v, term, [this](int32_t start, int32_t found) { ReportProgress(start, found, kAt); });
    if (r.found < 1) {
        labels_[0]->setText(kTop);
        return false;
    }
    labels_[0]->setText(Where(kAt, r.pageStart, r.found));
    viewer_.FormRedraw();
    return true;
}

void Form5::ReportProgress(int32_t pageStart, int32_t found, const QString& prefix)
{
    if (sinceReport_.elapsed() < kReportEveryMs)
        return;
    sinceReport_.restart();
    labels_[0]->setText(Where(prefix, pageStart, found));
    QCoreApplication::processEvents();
}

void Form5::SetBusy(bool busy)
{
    searching_ = busy;
    for (int i = 0; i < 3; ++i)
        buttons_[size_t(i)]->setEnabled(!busy);
    setEnabled(!busy);
    viewer_.setEnabled(!busy);
}
