// Paste and append paste with their questions, drops taking the clipboard's place, and the
// two copies.
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

#include "viewer/CommandsFixture.h"
#include "web/ClipFiles.h"

namespace {

const QString kPasteQuestion = QStringLiteral("貼り付けすると、進む情報がクリアされます。いいですか？");
const QString kPasteTitle = QStringLiteral("貼り付け処理しますか？");
const QString kAppendQuestion = QStringLiteral("追加貼り付けを行います。よろしいですか？");
const QString kAppendTitle = QStringLiteral("追加貼り付け処理しますか？");

struct CommandsPaste : ::testing::Test, CommandsFixture {
    void SetUp() override
    {
        show(NumberedLines(200));
        key(Qt::Key_Down); // reading on the second page
        old = viewer.CurrentText;
        oldList = viewer.PageStartList;
        oldPosition = viewer.ReadPosition;
        QApplication::clipboard()->setText(QStringLiteral("貼る\nテキスト\rです"));
    }
    QString clipTxt() { return ReadSaveFile(paths.dataFile(QStringLiteral("clip.txt"))); }
    void expectUnchanged()
    {
        EXPECT_EQ(viewer.CurrentText, old);
        EXPECT_EQ(viewer.PageStartList, oldList);
        EXPECT_EQ(viewer.ReadPosition, oldPosition);
        EXPECT_FALSE(history.occupied(31));
        EXPECT_TRUE(page().StatusMessage.isEmpty());
    }
    QString old, oldList;
    int32_t oldPosition = 0;
};

} // namespace

TEST_F(CommandsPaste, PasteReplacesTheTextAfterOkAndKeepsTheOldOneInTheHistory)
{
    prompter.queue(true);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(prompter.texts, QStringList{kPasteQuestion});
    EXPECT_EQ(prompter.titles, QStringList{kPasteTitle});
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("貼る\r\nテキスト\r\nです"));
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));
    EXPECT_EQ(viewer.PageText, QStringLiteral("貼る\rテキスト\rです"));
    EXPECT_EQ(page().StatusMessage, QStringLiteral("貼り付け完了"));
    EXPECT_EQ(history.CurrentText[31], old);
    EXPECT_EQ(history.PageStartList[31], oldList);
    EXPECT_EQ(history.ReadPosition[31], oldPosition);
    EXPECT_EQ(clipTxt(), viewer.CurrentText);
}

TEST_F(CommandsPaste, APasteThatCannotBeSavedSaysSoInsteadOfDone)
{
    QFile::remove(paths.dataFile(QStringLiteral("clip.txt")));
    QDir().mkpath(paths.dataFile(QStringLiteral("clip.txt"))); // a folder where the file belongs
    const QString failed = QStringLiteral("保存できません（clip.txt: 同じ名前のフォルダがあります。）");
    prompter.queue(true);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(page().StatusMessage, failed);
    prompter.queue(true);
    key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(page().StatusMessage, failed);
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("貼る\r\nテキスト\r\nです貼る\r\nテキスト\r\nです"));
}

TEST_F(CommandsPaste, CancelLeavesEverythingAsItWas)
{
    const QString clipBefore = clipTxt();
    prompter.queue(false);
    key(Qt::Key_V, Qt::ControlModifier);
    expectUnchanged();
    prompter.queue(false);
    key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(prompter.titles, (QStringList{kPasteTitle, kAppendTitle}));
    expectUnchanged();
    EXPECT_EQ(clipTxt(), clipBefore);
}

TEST_F(CommandsPaste, AppendPasteAddsToTheEndAndReadingGoesOnWhereItWas)
{
    prompter.queue(true);
    key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(prompter.texts, QStringList{kAppendQuestion});
    EXPECT_EQ(viewer.CurrentText, old + QStringLiteral("貼る\r\nテキスト\r\nです"));
    EXPECT_EQ(viewer.PageStartList, oldList);
    EXPECT_EQ(viewer.ReadPosition, oldPosition);
    EXPECT_EQ(page().StatusMessage, QStringLiteral("追加貼り付け完了"));
    EXPECT_FALSE(history.occupied(31));
    EXPECT_EQ(clipTxt(), viewer.CurrentText);
}

TEST_F(CommandsPaste, AppendPasteWithNothingShownStartsAtTheFirstPosition)
{
    viewer.ReadPosition = 0;
    viewer.PageStartList.clear();
    prompter.queue(true);
    key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));
    EXPECT_TRUE(viewer.PageText.startsWith(QStringLiteral("line 001")));
}

TEST_F(CommandsPaste, ACancelledDropWaitsForTheNextPasteInsteadOfTheClipboard)
{
    prompter.queue(false);
    input->Form_OLEDragDrop(QStringLiteral("落とした\n文"), 0);
    EXPECT_EQ(prompter.texts, QStringList{kAppendQuestion}); // without Ctrl: append
    expectUnchanged();
    EXPECT_EQ(viewer.DroppedText, QStringLiteral("落とした\r\n文"));

    prompter.queue(true);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("落とした\r\n文"));
    EXPECT_TRUE(viewer.DroppedText.isEmpty());
    prompter.queue(true);
    key(Qt::Key_B, Qt::ControlModifier); // the drop was used once; now the clipboard again
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("落とした\r\n文貼る\r\nテキスト\r\nです"));
}

TEST_F(CommandsPaste, DropsOnTheWindowReplaceWithCtrlAndIgnoreFileLists)
{
    auto drop = [this](QMimeData& data, Qt::KeyboardModifiers mods) {
        // As a drag arrives: it enters the window first, which takes it or not.
        QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, &data, Qt::LeftButton, mods);
        QApplication::sendEvent(form.get(), &enter);
        QDropEvent event(QPointF(30, 30), Qt::CopyAction, &data, Qt::LeftButton, mods);
        QApplication::sendEvent(form.get(), &event);
        settle();
        return enter.isAccepted();
    };
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});
    files.setText(QStringLiteral("/tmp/a.txt"));
    EXPECT_FALSE(drop(files, Qt::NoModifier));
    EXPECT_EQ(prompter.asked(), 0);
    EXPECT_TRUE(viewer.DroppedText.isEmpty());

    QMimeData text;
    text.setText(QStringLiteral("新しい本文"));
    prompter.queue(true);
    EXPECT_TRUE(drop(text, Qt::ControlModifier));
    EXPECT_EQ(prompter.texts, QStringList{kPasteQuestion});
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("新しい本文"));
}

TEST_F(CommandsPaste, CopyPutsThePlainTextAndAltCopyThePageOnScreen)
{
    show(QStringLiteral("見\\\\Bだし\\\\E行\r\n本文 URL\\\\{0001} リンク\r\n\r\n\r\nURLリスト一覧\r\n"
                        "URLList\\\\{0001:http://example.test/}\r\n"));
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), ClipboardPlainText(viewer.CurrentText).replace("\r\n", "\n"));
    EXPECT_FALSE(QApplication::clipboard()->text().contains(QStringLiteral("\\\\B")));
    EXPECT_EQ(page().StatusMessage, QStringLiteral("コピー完了"));

    key(Qt::Key_C, Qt::AltModifier);
    QString onScreen = viewer.PageText; // line breaks kept as lone CRs by the renderer
    onScreen.replace(u'\r', u'\n');
    EXPECT_EQ(QApplication::clipboard()->text(), onScreen);
    EXPECT_EQ(onScreen.left(14), QStringLiteral("見だし行\n本文 URLリンク")); // markup consumed
    EXPECT_EQ(page().StatusMessage, QStringLiteral("一部コピー完了"));
}
