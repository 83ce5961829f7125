#include "library/ui/Form7.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include "core/FileStore.h"
#include "core/Prompter.h"
#include "library/MacroRunner.h"
#include "library/ui/Form6.h"
#include "state/ViewerState.h"
#include "viewer/ui/Form1.h"
#include "web/ClipFiles.h"

Form7::Form7(Form1& viewer, Form6& library, MacroPageSource& pages, QWidget* parent)
    : QWidget(parent), viewer_(viewer), library_(library), pages_(pages)
{
    setWindowTitle(Caption());
    CreateControls();
}

QString Form7::Caption() { return QStringLiteral("ﾏｸﾛ"); }

void Form7::CreateControls()
{
    auto* grid = new QGridLayout(this);
    instructions_ = new QLabel(QStringLiteral("\"macro.csv\"に、\"URL\",\"タイトル\"改行で書き込む"), this);
    run_ = new QPushButton(QStringLiteral("ﾏｸﾛ実行"), this);
    open_[0] = new QPushButton(QStringLiteral("フォルダを開く"), this);
    open_[1] = new QPushButton(QStringLiteral("ファイルを開く"), this);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    report_ = new QPlainTextEdit(this);
    report_->setReadOnly(true);
    grid->addWidget(instructions_, 0, 0, 1, 3);
    grid->addWidget(run_, 1, 0);
    grid->addWidget(open_[0], 1, 1);
    grid->addWidget(open_[1], 1, 2);
    grid->addWidget(status_, 2, 0, 1, 3);
    grid->addWidget(report_, 3, 0, 1, 3);
    connect(run_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(open_[0], &QPushButton::clicked, this, [this] { Command2_Click(0); });
    connect(open_[1], &QPushButton::clicked, this, [this] { Command2_Click(1); });
}

void Form7::Command1_Click()
{
    if (!run_->isEnabled())
        return;
    run_->setEnabled(false);
    library_.MacroRunning = true;
    Macro_Fila_Save();
    library_.MacroRunning = false;
    run_->setEnabled(true);
}

void Form7::Macro_Fila_Save()
{
    report_->clear();
    const QString path = MacroFilePath(viewer_.Paths());
    const std::optional<std::vector<MacroEntry>> entries = ReadMacroFile(path);
    if (!entries) {
        status_->setText(QStringLiteral("macro.csv を読み込めません。「ファイルを開く」で作成できます。"));
        return;
    }
    MacroRunHooks hooks;
    hooks.save = [this](const QString& name) {
        library_.Text1().setText(name);
        return library_.SaveCommand();
    };
    hooks.starting = [this](int index, int count, const MacroEntry& entry) {
        status_->setText(QStringLiteral("%1/%2件目 (%3行目): %4").arg(index + 1).arg(count).arg(entry.line).arg(entry.url));
        // The line shows even while a page comes from a cache without a wait.
        QCoreApplication::processEvents();
    };
    hooks.done = [this](const MacroLineOutcome& outcome) { report_->appendPlainText(MacroLineText(outcome)); };
    const MacroSummary summary = RunMacro(*entries, pages_, hooks);
    status_->setText(MacroSummaryText(summary));
    ViewerState& v = viewer_.Viewer();
    if (v.CurrentText.isEmpty())
        v.CurrentText = kNoData;
}

void Form7::Command2_Click(int Index)
{
    if (Index == 0) {
        OpenWithDesktop(viewer_.Paths().programFolder());
        return;
    }
    const QString path = MacroFilePath(viewer_.Paths());
    filestore::TouchFile(path);
    OpenWithDesktop(path);
}

void Form7::OpenWithDesktop(const QString& path)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        viewer_.Prompts().inform(QStringLiteral("開けませんでした: ") + path, Caption());
}
