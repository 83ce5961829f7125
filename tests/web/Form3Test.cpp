// The browser window driven off screen with a stand-in fetcher: go, in-page jumps, failures,
// the history through the back, forward and clear buttons, reload and the URL list.
#include "web/ui/Form3.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QFrame>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

#include "state/PageHistory.h"
#include "state/PageRecord.h"
#include "state/ViewerState.h"
#include "core/FileProblems.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"
#include "web/PageFetcher.h"
#include "web/ui/BrowserHost.h"

namespace {

class StandInFetcher : public PageFetcher {
public:
    LoadedPage Load(const QString& url) override
    {
        requested.push_back(url);
        const auto it = pages.find(url);
        if (it != pages.end())
            return it->second;
        LoadedPage page;
        page.result = LoadedPage::Result::Loaded;
        page.hasBody = true;
        page.contentType = QStringLiteral("text/html");
        page.bodyHtml = QStringLiteral("<p>page at ") + url + QStringLiteral("</p>");
        page.documentUrl = url.section(u'#', 0, 0);
        page.title = QStringLiteral("title of ") + page.documentUrl;
        page.pathname = QStringLiteral("/") + page.documentUrl.section(u'/', 3);
        return page;
    }
    void SetTimeLimit(int ms) override { limit = ms; }
    int TimeLimit() const override { return limit; }

    std::map<QString, LoadedPage> pages;
    std::vector<QString> requested;
    int limit = kDefaultFetchTimeLimitMs;
};

struct StandInHost : BrowserHost {
    explicit StandInHost(ViewerState& v) : viewer(v) {}
    // The viewer's restart: the new text from its start.
    void FetchCompleted() override
    {
        ++restarts;
        viewer.ReadPosition = 1;
        viewer.PageStartList = QStringLiteral("1");
    }
    void FormRedraw() override { ++redraws; }
    void SetViewerPanelEnabled(bool enabled) override { panelStates.push_back(enabled); }
    void Option1_NoRedraw() override {}
    bool Finder(int mode, const QString& text) override
    {
        searches.push_back(QString::number(mode) + u' ' + text);
        return false;
    }
    bool SearchAfterFetch() const override { return false; }
    void RunTermSearch() override {}
    void FileNotSaved(const FileProblem& p) override { notSaved.push_back(p.file); }
    PageFetcher* Fetcher(QString&) override { return &fetcher; }
    QStringList notSaved;

    ViewerState& viewer;
    StandInFetcher fetcher;
    int restarts = 0;
    int redraws = 0;
    std::vector<bool> panelStates;
    std::vector<QString> searches;
};

class Form3Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        viewer.CurrentText = QStringLiteral("first text");
        viewer.ReadPosition = 1;
        viewer.PageStartList = QStringLiteral("1");
        history.HistoryOnFetch = true;
    }

    void Go(const QString& url)
    {
        form.Text1().setText(url);
        form.Command2_Click();
    }
    static QString Url(int n) { return QStringLiteral("http://h.test/p%1.html").arg(n); }

    TempFolder folder;
    ProgramPaths paths = folder.paths();
    ViewerState viewer;
    PageRecord page;
    PageHistory history;
    ScriptedPrompter prompter;
    StandInHost host{viewer};
    Form3 form{Form3::Shared{viewer, page, history, paths, prompter, host}};
};

TEST_F(Form3Test, GoFetchesConvertsAndRestartsTheViewer)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("URLリスト呼んだ順"));
    Go(Url(1) + QStringLiteral("#sec"));
    EXPECT_EQ(host.fetcher.requested, std::vector<QString>{Url(1) + QStringLiteral("#sec")});
    EXPECT_EQ(host.restarts, 1);
    EXPECT_TRUE(viewer.CurrentText.contains(QStringLiteral("URLリスト一覧"))) << "the page was not converted";
    EXPECT_TRUE(viewer.CurrentText.contains(QStringLiteral("page at"))) << viewer.CurrentText.toStdString();
    EXPECT_EQ(folder.read(folder.saveFile(QStringLiteral("clip.txt"))).isEmpty(), false);
    // The fragment names the anchor the viewer jumps to: from the position, then from the start.
    EXPECT_EQ(host.searches, (std::vector<QString>{QStringLiteral("0 TagID\\\\{sec}"), QStringLiteral("1 TagID\\\\{sec}")}));
    EXPECT_EQ(host.panelStates, (std::vector<bool>{false, true}));
    EXPECT_TRUE(form.Command2().isEnabled());
    EXPECT_TRUE(form.Picture1().isEnabled());
    EXPECT_TRUE(form.LastFetchOutcome().ok);
    EXPECT_EQ(form.Command3(0).toolTip(), QString()) << "slot 30 held no URL before the first page";
}

TEST_F(Form3Test, AnchorOnlyJumpsWithoutFetching)
{
    Go(QStringLiteral("#top"));
    EXPECT_TRUE(host.fetcher.requested.empty());
    EXPECT_EQ(host.searches.front(), QStringLiteral("0 TagID\\\\{top}"));
    EXPECT_TRUE(history.occupied(31)) << "an in-page jump is a history entry";
}

TEST_F(Form3Test, FailedFetchReportsAndKeepsTheDocument)
{
    LoadedPage image;
    image.result = LoadedPage::Result::Loaded;
    image.hasBody = true;
    image.contentType = QStringLiteral("image/png");
    host.fetcher.pages[Url(9)] = image;
    Go(Url(9));
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("first text"));
    EXPECT_EQ(host.restarts, 0);
    EXPECT_FALSE(form.LastFetchOutcome().ok);
    EXPECT_TRUE(form.Label1().text().contains(QStringLiteral("HTML のページではない"))) << form.Label1().text().toStdString();
    Go(QStringLiteral("mailto:a@b"));
    EXPECT_TRUE(form.Label1().text().contains(QStringLiteral("http、https、file、about")));
    EXPECT_FALSE(form.CanGoBack());
}

TEST_F(Form3Test, ThirtyOneFetchesDropTheOldestPage)
{
    for (int n = 1; n <= 31; ++n)
        Go(Url(n));
    // Thirty pages back: the 30th-last page is the oldest kept; the first text is gone.
    EXPECT_EQ(history.PageRequestUrl[60], Url(1));
    EXPECT_EQ(history.PageRequestUrl[31], Url(30));
    for (int slot = 31; slot <= 60; ++slot)
        EXPECT_NE(history.CurrentText[slot], QStringLiteral("first text"));
}

TEST_F(Form3Test, BackAndForwardReturnTheSameDocumentAndPosition)
{
    Go(Url(1));
    viewer.ReadPosition = 40;
    viewer.PageStartList = QStringLiteral("40,1");
    const QString firstPage = viewer.CurrentText;
    Go(Url(2));
    const QString secondPage = viewer.CurrentText;
    viewer.ReadPosition = 7;

    form.Command3_Click(0);
    EXPECT_EQ(viewer.CurrentText, firstPage);
    EXPECT_EQ(viewer.ReadPosition, 40);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("40,1"));
    EXPECT_EQ(form.Text1().text(), Url(1));
    EXPECT_EQ(host.redraws, 1);
    EXPECT_TRUE(form.Command3(1).isEnabled());
    EXPECT_EQ(form.Command3(1).toolTip(), history.PageUrl[29]);
    EXPECT_TRUE(form.Command3(1).toolTip().startsWith(QStringLiteral("http://h.test/")));

    form.Command3_Click(1);
    EXPECT_EQ(viewer.CurrentText, secondPage);
    EXPECT_EQ(viewer.ReadPosition, 7);
    EXPECT_EQ(page.PageRequestUrl, Url(2));

    // Back to the first text of the run: nothing older, so the back button goes off.
    form.Command3_Click(0);
    form.Command3_Click(0);
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("first text"));
    EXPECT_FALSE(form.Command3(0).isEnabled());
    // A fetch from here empties the forward side.
    Go(Url(3));
    EXPECT_FALSE(form.CanGoForward());
    for (int slot = 0; slot < 30; ++slot)
        EXPECT_FALSE(history.occupied(slot)) << slot;
}

TEST_F(Form3Test, BackKeepsTheOldestBackEntry)
{
    for (int n = 1; n <= 31; ++n)
        Go(Url(n));
    ASSERT_TRUE(history.occupied(60));
    form.Command3_Click(0);
    EXPECT_EQ(history.PageRequestUrl[59], Url(1)) << "going back lost the oldest page";
    EXPECT_FALSE(history.occupied(60));
}

TEST_F(Form3Test, ClearHistoryAsksAndNoChangesNothing)
{
    Go(Url(1));
    Go(Url(2));
    form.Command3_Click(0);
    const PageHistory before = history;
    prompter.queue(false);
    form.Command7_Click();
    EXPECT_EQ(prompter.texts.value(0), QStringLiteral("戻ると進むのデータが消えますが、いい？"));
    EXPECT_EQ(prompter.titles.value(0), QStringLiteral("履歴の削除"));
    EXPECT_EQ(history.PageRequestUrl, before.PageRequestUrl);
    EXPECT_EQ(history.ReadPosition, before.ReadPosition);
    prompter.queue(true);
    form.Command7_Click();
    EXPECT_FALSE(form.Command3(0).isEnabled());
    EXPECT_FALSE(form.Command3(1).isEnabled());
    for (int slot = 0; slot < PageHistory::kSlots; ++slot)
        if (slot != PageHistory::kCurrent)
            EXPECT_FALSE(history.occupied(slot)) << slot;
}

TEST_F(Form3Test, ReloadAddsNoHistoryEntry)
{
    Go(Url(1));
    Go(Url(2));
    const auto before = history.PageRequestUrl;
    form.Command6_Click();
    EXPECT_EQ(host.fetcher.requested.back(), Url(2));
    EXPECT_EQ(history.PageRequestUrl, before);
    EXPECT_TRUE(history.HistoryOnFetch);
}

TEST_F(Form3Test, UrlListShowsTheFortyNewestAndClears)
{
    for (int n = 0; n < 45; ++n) {
        viewer.UrlRing[size_t(viewer.UrlRingNext)] = Url(n);
        viewer.UrlRingNext = (viewer.UrlRingNext + 1) % 41;
    }
    form.Timer1_Timer();
    ASSERT_EQ(form.List1().count(), 40);
    EXPECT_EQ(form.List1().item(0)->text(), Url(44));
    EXPECT_EQ(form.List1().item(39)->text(), Url(5));
    form.List1().setCurrentRow(2);
    form.List1_Click();
    EXPECT_EQ(form.Text1().text(), Url(42));
    EXPECT_EQ(form.Text1().selectedText(), Url(42));

    form.Command5_Click();
    form.Timer1_Timer();
    ASSERT_EQ(form.List1().count(), 40);
    for (int row = 0; row < 40; ++row)
        EXPECT_TRUE(form.List1().item(row)->text().isEmpty()) << row;
}

} // namespace

namespace {

TEST_F(Form3Test, ResizeStretchesListAndAddressAndEscCloses)
{
    form.show();
    form.resize(700, 600);
    EXPECT_EQ(form.List1().width(), 700 - form.List1().x() - 10);
    EXPECT_EQ(form.List1().height(), 600 - form.List1().y() - 30);
    EXPECT_EQ(form.Text1().width(), 700 - form.Text1().x() - 10);
    form.resize(15, 100); // narrower than the margins: nothing goes negative
    EXPECT_EQ(form.List1().width(), 0);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
