// The library dialog keeps named copies of the current document in Save/Clip/.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "library/LibraryFixture.h"
#include "library/SavedTextLibrary.h"

namespace {

struct Library : ::testing::Test, LibraryFixture {
    QByteArray entry(const QString& name, const QString& ext) { return folder.read(clipDir() + name + ext); }
    bool exists(const QString& name, const QString& ext) { return QFileInfo::exists(clipDir() + name + ext); }
    void select(const QString& name) { form6->List1().setCurrentRow(listed().indexOf(name)); }
};

} // namespace

TEST_F(Library, SavingAgainAsksToOverwriteMovesTheNameToTheEndAndReplacesAllThree)
{
    document(QStringLiteral("first text"), QStringLiteral("<p>one</p>"));
    save(QStringLiteral("a"));
    EXPECT_EQ(prompter.texts.last(), QStringLiteral("リストへの追加を続行しますか？"));
    document(QStringLiteral("other"), QStringLiteral("<p>b</p>"));
    save(QStringLiteral("b"));
    document(QStringLiteral("second text"), QStringLiteral("<p>two</p>"));
    save(QStringLiteral("a"));
    EXPECT_EQ(prompter.texts.last(), QStringLiteral("現在、あるリストの項目上書きを行いますか？"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
    EXPECT_EQ(entry(QStringLiteral("a"), QStringLiteral(".txt")), QByteArray("second text"));
    EXPECT_EQ(entry(QStringLiteral("a"), QStringLiteral(".html")), QByteArray("<p>two</p>"));
    EXPECT_TRUE(entry(QStringLiteral("a"), QStringLiteral(".utx")).contains("<p>two</p>"));

    save(QStringLiteral("c"), false); // No: nothing happens
    EXPECT_FALSE(exists(QStringLiteral("c"), QStringLiteral(".txt")));
    EXPECT_EQ(listed().size(), 2);
}

TEST_F(Library, NamesDifferingInCaseAreTwoEntriesAndCapitalExtensionsAreNotListed)
{
    document(QStringLiteral("lower"), QStringLiteral("h"));
    save(QStringLiteral("note"));
    document(QStringLiteral("upper"), QStringLiteral("h"));
    save(QStringLiteral("Note"));
    folder.write(clipDir() + QStringLiteral("shout.TXT"), "x");
    EXPECT_EQ(entry(QStringLiteral("note"), QStringLiteral(".txt")), QByteArray("lower"));
    QStringList onDisk = FillLibraryList(paths);
    onDisk.sort();
    EXPECT_EQ(onDisk, (QStringList{QStringLiteral("Note"), QStringLiteral("note")}));
}

TEST_F(Library, DeleteKeepsThePageFilesAndTheLastDeletionLeavesNoSelection)
{
    document(QStringLiteral("t"), QStringLiteral("h"));
    save(QStringLiteral("only"));
    select(QStringLiteral("only"));
    EXPECT_EQ(form6->Text2().toPlainText(), QStringLiteral("t")); // the preview
    prompter.queue(true);
    form6->Command1_Click(2);
    EXPECT_EQ(prompter.texts.last(), QStringLiteral("リストからの削除を続行しますか？"));
    EXPECT_FALSE(exists(QStringLiteral("only"), QStringLiteral(".txt")));
    EXPECT_TRUE(exists(QStringLiteral("only"), QStringLiteral(".html")));
    EXPECT_TRUE(exists(QStringLiteral("only"), QStringLiteral(".utx")));
    EXPECT_EQ(form6->List1().count(), 0);
    EXPECT_EQ(form6->List1().currentRow(), -1);
}

TEST_F(Library, RenameOntoAnExistingNameChangesNothingAndSaysSo)
{
    document(QStringLiteral("one"), QStringLiteral("h1"));
    save(QStringLiteral("x"));
    document(QStringLiteral("two"), QStringLiteral("h2"));
    save(QStringLiteral("y"));
    select(QStringLiteral("x"));
    form6->Text3().setText(QStringLiteral("y"));
    prompter.queue(true);
    form6->Command1_Click(3);
    EXPECT_EQ(prompter.texts[prompter.texts.size() - 2],
              QStringLiteral("このファイルのリネームを続行しますか？\r\n前：x\r\n後：y"));
    EXPECT_TRUE(prompter.texts.last().contains(QStringLiteral("すでにあります")));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("x"), QStringLiteral("y")}));
    EXPECT_EQ(entry(QStringLiteral("x"), QStringLiteral(".txt")), QByteArray("one"));
    EXPECT_EQ(entry(QStringLiteral("y"), QStringLiteral(".txt")), QByteArray("two"));

    // A rename that fails part-way (here the second file cannot move) moves nothing.
    QDir().mkpath(clipDir() + QStringLiteral("w.html/blocked"));
    select(QStringLiteral("x"));
    form6->Text3().setText(QStringLiteral("w"));
    prompter.queue(true);
    form6->Command1_Click(3);
    EXPECT_TRUE(prompter.texts.last().contains(QStringLiteral("元のまま")));
    EXPECT_EQ(entry(QStringLiteral("x"), QStringLiteral(".txt")), QByteArray("one"));
    EXPECT_FALSE(exists(QStringLiteral("w"), QStringLiteral(".txt")));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("x"), QStringLiteral("y")}));

    // A free name takes all three files.
    select(QStringLiteral("x"));
    form6->Text3().setText(QStringLiteral("z 日本語 😀"));
    prompter.queue(true);
    form6->Command1_Click(3);
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("y"), QStringLiteral("z 日本語 😀")}));
    for (const QString& ext : {QStringLiteral(".txt"), QStringLiteral(".html"), QStringLiteral(".utx")}) {
        EXPECT_FALSE(exists(QStringLiteral("x"), ext));
        EXPECT_TRUE(exists(QStringLiteral("z 日本語 😀"), ext));
    }
}

TEST_F(Library, UnsafeNamesAreRefusedBeforeAnyFileIsWritten)
{
    document(QStringLiteral("secret"), QStringLiteral("h"));
    for (const QString& name : {QStringLiteral("../outside"), QStringLiteral("a/b"), QStringLiteral(".."),
                                QStringLiteral("tab\there"), QString(), QString(300, u'x')}) {
        const int asked = prompter.asked();
        form6->Text1().setText(name);
        form6->Command1_Click(0);
        EXPECT_EQ(prompter.asked(), asked + 1) << name.toStdString(); // a message, no question
        EXPECT_EQ(prompter.titles.last(), QStringLiteral("テキスト保存"));
    }
    EXPECT_FALSE(QFileInfo::exists(paths.dataFolder() + QStringLiteral("outside.txt")));
    EXPECT_EQ(listed(), QStringList());
    EXPECT_TRUE(QDir(clipDir()).entryList(QDir::Files).isEmpty());
}

TEST_F(Library, LoadingMakesTheEntryTheCurrentDocumentFromItsFirstPage)
{
    const QString saved = QStringLiteral("saved words\r\n") + NumberedLines(200);
    document(saved, QStringLiteral("<p>saved</p>"));
    save(QStringLiteral("日本語 entry"));
    show(NumberedLines(100));
    press(40, 0);
    record.PageTitle = QStringLiteral("changed");
    form5->Check1(0).setChecked(true);
    form5->Combo1().setEditText(QStringLiteral("LINE 150"));
    select(QStringLiteral("日本語 entry"));
    prompter.queue(true);
    form6->Command1_Click(1);
    settle();
    EXPECT_EQ(prompter.texts.last(), QStringLiteral("今ある内容は破棄されますか、読み込みを実行しますか？"));
    EXPECT_EQ(viewer.CurrentText, saved);
    EXPECT_EQ(record.PageHtml, QStringLiteral("<p>saved</p>"));
    EXPECT_EQ(record.PageTitle, QStringLiteral("<p>saved</p>"));
    EXPECT_TRUE(viewer.PageStartList.endsWith(QStringLiteral(",1"))); // walked on from the first page
    EXPECT_TRUE(history.CurrentText[31].startsWith(QStringLiteral("line 001"))); // the text before went into the history
    EXPECT_EQ(form5->Label1(0).text(), QStringLiteral("検索用語:検索完了しました。")); // searched once
}

TEST_F(Library, TheMacroSavesWithoutQuestions)
{
    form6->MacroRunning = true;
    document(QStringLiteral("page"), QStringLiteral("h"));
    form6->Text1().setText(QStringLiteral("t"));
    form6->Command1_Click(0);
    form6->Command1_Click(0); // overwriting too
    form6->Text1().setText(QStringLiteral("bad/name"));
    EXPECT_FALSE(form6->SaveCommand().ok);
    EXPECT_EQ(prompter.asked(), 0);
    EXPECT_EQ(listed(), QStringList{QStringLiteral("t")});
}

TEST_F(Library, TheChosenNameIsRememberedAcrossARestart)
{
    document(QStringLiteral("a"), QStringLiteral("h"));
    save(QStringLiteral("first"));
    save(QStringLiteral("second"));
    select(QStringLiteral("first"));
    form6->SaveFavoriteSettings();
    Form6 again(f(), *form5, ini);
    EXPECT_EQ(again.Text1().text(), QStringLiteral("first"));
    EXPECT_EQ(again.List1().currentItem()->text(), QStringLiteral("first"));
}
