// The browser window's commands: go (with in-page jumps), reload, re-convert the stored
// page, back, forward and clearing the history.
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QFrame>
#include <QPushButton>

#include "core/Prompter.h"
#include "state/PageHistory.h"
#include "state/PageRecord.h"
#include "state/ViewerState.h"
#include "web/ClipFiles.h"
#include "web/HtmlConversion.h"
#include "web/PageFetch.h"
#include "web/PageHistoryMoves.h"
#include "web/PageHistoryPush.h"
#include "web/ui/BrowserHost.h"
#include "web/ui/Form3.h"

namespace {

constexpr int kCurrent = PageHistory::kCurrent;

QString AnchorMarker(const QString& name) { return QStringLiteral("TagID\\\\{") + name + u'}'; }

} // namespace

void Form3::Command2_Click() { Go(true); }

void Form3::URLAttack_Command2_Click(const QString& url)
{
    text1_->setText(url);
    Go(false);
}

FetchOutcome Form3::FetchAndWait(const QString& url)
{
    if (fetching_) {
        FetchOutcome busy;
        busy.url = url;
        busy.error = QStringLiteral("別のページを読み込んでいる最中です。");
        return busy;
    }
    text1_->setText(url);
    Go(true);
    return lastOutcome_;
}

void Form3::Go(bool withPanels)
{
    if (fetching_)
        return; // one fetch at a time; the buttons are off meanwhile, link clicks are dropped
    if (text1_->text().startsWith(u'#')) {
        PushPageHistory(s_.history, s_.page, s_.viewer);
        JumpToAnchor(text1_->text().mid(1));
        lastOutcome_ = FetchOutcome{true, false, 0, {}, s_.page.PageTitle, s_.page.PageUrl};
        return;
    }
    SetBusy(true, withPanels);
    FetchAndConvert();
    QCoreApplication::processEvents();
    SetBusy(false, withPanels);
}

void Form3::SetBusy(bool busy, bool withPanels)
{
    fetching_ = busy;
    command2_->setEnabled(!busy);
    command4_->setEnabled(!busy);
    if (!withPanels)
        return;
    picture1_->setEnabled(!busy);
    s_.host.SetViewerPanelEnabled(!busy);
}

void Form3::FetchAndConvert()
{
    QString error;
    PageFetcher* fetcher = s_.host.Fetcher(error);
    if (!fetcher) {
        lastOutcome_ = FetchOutcome{};
        lastOutcome_.error = error;
        label1_->setText(error);
        return;
    }
    QString url = text1_->text().trimmed();
    label1_->setText(QStringLiteral("読み込み中: %1").arg(url));
    lastOutcome_ = FetchPage(*fetcher, url, {s_.viewer, s_.page, s_.history, [this] { s_.host.Option1_NoRedraw(); }});
    if (lastOutcome_.documentReplaced) {
        ConvertCurrentText();
        AfterNewText();
        if (!s_.page.PageAnchor.isEmpty())
            JumpToAnchor(s_.page.PageAnchor);
        if (s_.host.SearchAfterFetch())
            s_.host.RunTermSearch();
    }
    if (!lastOutcome_.ok)
        label1_->setText(lastOutcome_.error);
}

void Form3::ConvertCurrentText()
{
    HtmlConversionHooks hooks;
    hooks.saveClipHtml = ClipHtmlSaver(s_.paths, s_.page, s_.viewer,
                                       [this](const FileProblem& p) { s_.host.FileNotSaved(p); });
    hooks.progress.showProgress = [this](const QString& caption) { label1_->setText(caption); };
    hooks.progress.letEventsRun = [] { QCoreApplication::processEvents(); };
    ConvertHtmlToText(s_.viewer, s_.page, hooks);
}

// The steps every new text shares: the back button's tooltip, the viewer's restart, the
// list, clip.txt.
void Form3::AfterNewText()
{
    command3_[0]->setToolTip(s_.history.PageUrl[kCurrent]);
    s_.host.FetchCompleted();
    Form3_listLoad();
    if (const std::optional<FileProblem> problem = SaveClipText(s_.paths, s_.viewer))
        s_.host.FileNotSaved(*problem);
}

void Form3::JumpToAnchor(const QString& name)
{
    const QString marker = AnchorMarker(name);
    if (!s_.host.Finder(0, marker))
        s_.host.Finder(1, marker);
}

void Form3::Command6_Click()
{
    const bool pushes = s_.history.HistoryOnFetch;
    s_.history.HistoryOnFetch = false;
    text1_->setText(s_.page.PageRequestUrl);
    Command2_Click();
    s_.history.HistoryOnFetch = pushes;
}

void Form3::Command4_Click()
{
    if (fetching_)
        return;
    command2_->setEnabled(false);
    command4_->setEnabled(false);
    fetching_ = true;
    s_.viewer.CurrentText = LoadClipHtml(s_.paths, QStringLiteral("L"), s_.page, s_.viewer);
    ConvertCurrentText();
    AfterNewText();
    if (s_.host.SearchAfterFetch())
        s_.host.RunTermSearch();
    QCoreApplication::processEvents();
    fetching_ = false;
    command2_->setEnabled(true);
    command4_->setEnabled(true);
}

void Form3::Command3_Click(int index)
{
    if (fetching_)
        return;
    const bool moved = index == 0 ? HistoryBack(s_.history, s_.page, s_.viewer)
                                  : HistoryForward(s_.history, s_.page, s_.viewer);
    if (moved) {
        text1_->setText(s_.page.PageRequestUrl);
        s_.host.FormRedraw();
    }
    command3_[0]->setToolTip(s_.history.PageUrl[kCurrent + 1]);
    command3_[1]->setToolTip(s_.history.PageUrl[kCurrent - 1]);
    SetBackForwardState();
    if (const std::optional<FileProblem> problem = SaveClipHtml(s_.paths, s_.page.PageHtml, s_.page, s_.viewer))
        s_.host.FileNotSaved(*problem);
}

void Form3::Command7_Click()
{
    if (!s_.prompter.askYesNo(QStringLiteral("戻ると進むのデータが消えますが、いい？"), QStringLiteral("履歴の削除")))
        return;
    ClearPageHistory(s_.history);
    SetBackForwardState();
}
