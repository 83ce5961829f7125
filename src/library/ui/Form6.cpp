#include "library/ui/Form6.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/Prompter.h"
#include "library/EntryName.h"
#include "library/ui/Form5.h"
#include "settings/FavoriteSettings.h"
#include "state/ViewerState.h"
#include "viewer/ui/Form1.h"
#include "web/ClipFiles.h"
#include "web/PageHistoryPush.h"

namespace {

constexpr int16_t kKeyDown = 40;
constexpr int16_t kRedisplayAsFirstPage = 91;
constexpr int kDeleteKey = Qt::Key_Delete;

} // namespace

Form6::Form6(Form1& viewer, Form5& search, IniStore& ini, QWidget* parent)
    : QWidget(parent), viewer_(viewer), search_(search), ini_(ini)
{
    setWindowTitle(Caption());
    CreateControls();
    Form_Load();
}

QString Form6::Caption() { return QStringLiteral("テキスト保存"); }

void Form6::CreateControls()
{
    auto* grid = new QGridLayout(this);
    const char16_t* captions[] = {u"保存(&S)", u"読み込み(&L)", u"削除(&D)", u"ﾘﾈｰﾑ(&R)"};
    for (int i = 0; i < 4; ++i) {
        buttons_[size_t(i)] = new QPushButton(QString::fromUtf16(captions[i]), this);
        connect(buttons_[size_t(i)], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        grid->addWidget(buttons_[size_t(i)], 0, i);
    }
    text1_ = new QLineEdit(this);
    text1_->setPlaceholderText(QStringLiteral("保存する名前"));
    text3_ = new QLineEdit(QStringLiteral("リネーム後"), this);
    text3_->setToolTip(QStringLiteral("ﾘﾈｰﾑ後の名前"));
    text2_ = new QPlainTextEdit(this);
    text2_->setReadOnly(true);
    text2_->setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック")));
    list_ = new QListWidget(this);
    list_->installEventFilter(this);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    grid->addWidget(text1_, 1, 0, 1, 4);
    grid->addWidget(list_, 2, 0, 1, 4);
    grid->addWidget(text2_, 3, 0, 1, 4);
    grid->addWidget(text3_, 4, 0, 1, 4);
    grid->setRowStretch(2, 2);
    grid->setRowStretch(3, 1);
}

void Form6::Form_Load()
{
    list_->addItems(FillLibraryList(viewer_.Paths()));
    text1_->setText(LoadFavoriteSettings(ini_));
    if (!text1_->text().isEmpty()) {
        const int at = IndexOf(text1_->text());
        if (at >= 0)
            list_->setCurrentRow(at);
    }
}

void Form6::SaveFavoriteSettings() { ::SaveFavoriteSettings(ini_, text1_->text()); }

int Form6::IndexOf(const QString& name) const
{
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->text() == name)
            return i;
    return -1;
}

void Form6::List1_Click()
{
    const QListWidgetItem* item = list_->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    text1_->setText(name);
    text2_->setPlainText(ReadLibraryPreview(viewer_.Paths(), name));
    text3_->setText(name);
}

bool Form6::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == kDeleteKey) {
        Command1_Click(2);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool Form6::Ask(const QString& question) { return viewer_.Prompts().askYesNo(question, QString()); }

void Form6::Tell(const LibraryResult& result)
{
    if (!result.ok)
        viewer_.Prompts().inform(result.message, Caption());
}

void Form6::Command1_Click(int Index)
{
    switch (Index) {
    case 0:
        if (!MacroRunning)
            Tell(SaveCommand());
        else
            SaveCommand();
        break;
    case 1:
        Load();
        break;
    case 2:
        Delete();
        break;
    case 3:
        Rename();
        break;
    default:
        break;
    }
}

LibraryResult Form6::SaveCommand()
{
    const QString name = text1_->text();
    // A name that cannot become a file is turned away before any question or change.
    if (const std::optional<QString> problem = EntryNameProblem(name))
        return LibraryResult::Failed(*problem);
    const int found = IndexOf(name);
    if (!MacroRunning
        && !Ask(found >= 0 ? QStringLiteral("現在、あるリストの項目上書きを行いますか？")
                           : QStringLiteral("リストへの追加を続行しますか？")))
        return {};
    SaveClipText(viewer_.Paths(), viewer_.Viewer());
    const LibraryResult saved = SaveToLibrary(viewer_.Paths(), name);
    // The list changes only once the files are there.
    if (saved.ok) {
        if (found >= 0)
            delete list_->takeItem(found);
        list_->addItem(name);
    }
    return saved;
}

void Form6::Load()
{
    if (list_->currentRow() < 0 || list_->count() == 0)
        return;
    const QString name = text1_->text();
    if (!LibraryEntryExists(viewer_.Paths(), name)) {
        Tell(LibraryResult::Failed(EntryNameProblem(name).value_or(u'「' + name + QStringLiteral("」は保存されていません。"))));
        return;
    }
    if (!Ask(QStringLiteral("今ある内容は破棄されますか、読み込みを実行しますか？")))
        return;
    PushPageHistory(viewer_.History(), viewer_.Record(), viewer_.Viewer());
    if (Option1_NoRedraw_)
        Option1_NoRedraw_();
    const LibraryResult loaded = LoadFromLibrary(viewer_.Paths(), name, viewer_.Record(), viewer_.Viewer());
    if (!loaded.ok) {
        Tell(loaded);
        return;
    }
    viewer_.Picture1_KeyDown(kKeyDown, kRedisplayAsFirstPage);
    if (search_.Check1(0).isChecked())
        search_.Command1_Click(0);
}

void Form6::Delete()
{
    if (list_->currentRow() < 0 || list_->count() == 0)
        return;
    if (!Ask(QStringLiteral("リストからの削除を続行しますか？")))
        return;
    const LibraryResult deleted = DeleteFromLibrary(viewer_.Paths(), text1_->text());
    if (!deleted.ok) {
        Tell(deleted);
        return;
    }
    const int at = IndexOf(text1_->text());
    const int k = at >= 0 ? at : list_->currentRow();
    delete list_->takeItem(k);
    if (k < list_->count())
        list_->setCurrentRow(k);
    else
        list_->setCurrentRow(-1);
}

void Form6::Rename()
{
    if (list_->currentRow() < 0 || list_->count() == 0)
        return;
    const QString before = text1_->text();
    const QString after = text3_->text();
    if (!Ask(QStringLiteral("このファイルのリネームを続行しますか？\r\n前：") + before + QStringLiteral("\r\n後：") + after))
        return;
    const LibraryResult renamed = RenameInLibrary(viewer_.Paths(), before, after);
    if (!renamed.ok) {
        Tell(renamed);
        return;
    }
    const int at = IndexOf(before);
    const int k = at >= 0 ? at : list_->currentRow();
    delete list_->takeItem(k);
    list_->addItem(after);
    list_->setCurrentRow(k);
    text3_->setFocus();
}
