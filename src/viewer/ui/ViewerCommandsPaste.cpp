// Paste, append paste and the two copies. A drop waiting in DroppedText takes the
// clipboard's place once.
#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

#include "core/LineBreaks.h"
#include "core/Prompter.h"
#include "core/Surface.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"
#include "viewer/ui/ViewerCommands.h"
#include "viewer/ui/ViewerCommandsSteps.h"
#include "viewer/ui/ViewerCommandsWindow.h"
#include "web/ClipFiles.h"
#include "web/ClipboardCopy.h"
#include "web/PageHistoryPush.h"

namespace {

// The plain text of the clipboard, with the reader's line breaks.
QString ClipboardText()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? ToCrLf(clipboard->text(QClipboard::Clipboard)) : QString();
}

QString TakeIncomingText(ViewerState& v)
{
    QString text = v.DroppedText.isEmpty() ? ClipboardText() : v.DroppedText;
    v.DroppedText.clear();
    return text;
}

// The paste's result on the status line: done, or kept only in memory.
QString PasteResult(const QString& done, const std::optional<FileProblem>& problem)
{
    if (!problem)
        return done;
    return QStringLiteral("保存できません（%1: %2）").arg(problem->file, problem->reason);
}

void FocusViewer(QWidget& window)
{
    window.activateWindow();
    window.setFocus(Qt::OtherFocusReason);
}

} // namespace

bool ViewerCommands::AppendPaste()
{
    ViewerCommandsWindow& w = ctx_.window;
    FocusViewer(w.widget());
    if (!ctx_.prompter.askOkCancel(QStringLiteral("追加貼り付けを行います。よろしいですか？"),
                                   QStringLiteral("追加貼り付け処理しますか？")))
        return false;
    ViewerState& v = w.viewer();
    v.CurrentText += TakeIncomingText(v);
    if (v.ReadPosition < 1) {
        v.ReadPosition = 1;
        w.page().PenPos = PenPosition{};
        v.PageStartList = QStringLiteral("1");
        w.Scroll_start(1);
    }
    Picture1_KeyDown(0, 40, kShiftRedisplay);
    const std::optional<FileProblem> problem = SaveClipText(ctx_.paths, v);
    w.page().StatusMessage = PasteResult(QStringLiteral("追加貼り付け完了"), problem);
    w.line_print();
    return true;
}

bool ViewerCommands::Paste()
{
    ViewerCommandsWindow& w = ctx_.window;
    FocusViewer(w.widget());
    if (!ctx_.prompter.askOkCancel(QStringLiteral("貼り付けすると、進む情報がクリアされます。いいですか？"),
                                   QStringLiteral("貼り付け処理しますか？")))
        return false;
    ViewerState& v = w.viewer();
    PushPageHistory(ctx_.history, ctx_.record, v);
    v.CurrentText = TakeIncomingText(v);
    viewercommands::StartNewText(w);
    const std::optional<FileProblem> problem = SaveClipText(ctx_.paths, v);
    w.page().StatusMessage = PasteResult(QStringLiteral("貼り付け完了"), problem);
    w.line_print();
    return true;
}

void ViewerCommands::CopyAll()
{
    CopyTextToClipboard(ctx_.window.viewer().CurrentText);
    ctx_.window.page().StatusMessage = QStringLiteral("コピー完了");
    ctx_.window.line_print();
}

// The characters of the page on screen as the renderer laid them out (markup consumed).
// The renderer keeps each line break as its CR alone; the clipboard gets whole line breaks
// in the platform's convention.
void ViewerCommands::CopyPageOnScreen()
{
    QString text = ToCrLf(ctx_.window.viewer().PageText);
#ifndef Q_OS_WIN
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
        clipboard->setText(text);
    }
    ctx_.window.page().StatusMessage = QStringLiteral("一部コピー完了");
    ctx_.window.line_print();
}
