// The hotkey dialog edits the table by capture, writes it on OK and the close box only, and
// shows the user a combination that cannot be registered.
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "DialogFixture.h"
#include "settings/HotKeySettings.h"
#include "settings/ui/Form4.h"

namespace {

// Letters and the modifier keys, as the viewer's translation numbers them.
std::pair<int16_t, int16_t> Translate(const QKeyEvent& e)
{
    const Qt::KeyboardModifiers m = e.modifiers();
    const int16_t state = int16_t((m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0)
                                  | (m & Qt::AltModifier ? 4 : 0));
    const int key = e.key();
    return {int16_t(key >= Qt::Key_A && key <= Qt::Key_Z ? key : 0), state};
}

class HotkeyDialogTest : public DialogTest {
protected:
    HotkeyDialogTest() { SetDefaultHotKeyNames(keys); }
    Form4& open()
    {
        if (!form)
            form = std::make_unique<Form4>(
                Form4::Shared{keys, settings, hotkeys, paths, viewer, prompter, Translate});
        form->ShowForm();
        return *form;
    }
    bool hotKeyWritten() const { return ini().contains("[HotKey]"); }

    HotKeys keys;
    RefusingHotkeys hotkeys;
    std::unique_ptr<Form4> form;
};

} // namespace

TEST_F(HotkeyDialogTest, PressingACombinationCapturesItIntoTheSelectedSlot)
{
    Form4& dialog = open();
    EXPECT_EQ(dialog.List1().count(), 17);
    EXPECT_TRUE(hotkeys.registered.empty()); // off while the dialog is open

    // Slot 4 as built in: Alt + Shift + Pause.
    EXPECT_TRUE(dialog.RowText(4).startsWith("ShiftAlt +Pause \t"));
    EXPECT_TRUE(dialog.RowText(4).endsWith("\t追加貼り付け"));

    dialog.List1().setCurrentRow(2);
    QTest::keyClick(&dialog.Text1(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(keys.HotKeyTable[2][HotKeys::kModifiers], 6);
    EXPECT_EQ(keys.HotKeyTable[2][HotKeys::kKeyCode], 65);
    EXPECT_EQ(dialog.List1().currentRow(), 2);
    EXPECT_TRUE(dialog.List1().item(2)->text().startsWith("ShiftCtrl +A"));
    EXPECT_EQ(dialog.Text1().text(), dialog.List1().item(2)->text().split('\t').first());

    dialog.Command1(0).click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(hotkeys.registered.size(), 17u - 12u); // every slot with a key, again
    IniStore reread(paths);
    EXPECT_EQ(reread.ReadIniNumber("HotKey", "Shift2"), 6);
    EXPECT_EQ(reread.ReadIniNumber("HotKey", "KeyCode2"), 65);
}

TEST_F(HotkeyDialogTest, CancelSparesTheWriteUntilOkIsPressed)
{
    open().Text1_KeyDown(66, 2);
    form->Command1(1).click();
    EXPECT_FALSE(hotKeyWritten());
    EXPECT_EQ(keys.HotKeyTable[0][HotKeys::kKeyCode], 66); // kept in memory, registered
    EXPECT_TRUE(hotkeys.registered.count(256));

    open().close(); // the close box after a Cancel
    EXPECT_FALSE(hotKeyWritten());
    open().Command1(0).click();
    EXPECT_TRUE(hotKeyWritten());
}

TEST_F(HotkeyDialogTest, ACombinationAnotherProgramHoldsIsShownInTheDialog)
{
    hotkeys.refused = {{2, 67}}; // Ctrl + C
    Form4& dialog = open();
    EXPECT_TRUE(dialog.Problem().text().isEmpty());
    dialog.List1().setCurrentRow(1);
    dialog.Text1_KeyDown(67, 2);
    EXPECT_TRUE(dialog.Refused(1));
    EXPECT_TRUE(dialog.Problem().text().contains("一つ前に"));
    EXPECT_FALSE(dialog.List1().item(1)->toolTip().isEmpty());
    EXPECT_TRUE(hotkeys.registered.empty()); // tried, and taken off again

    dialog.Command1(0).click(); // still refused at the close: the user is told
    ASSERT_EQ(prompter.texts.size(), 1);
    EXPECT_TRUE(prompter.texts[0].contains("一つ前に"));

    // A debug run registers nothing, yet edits and writes the table.
    viewer.RunMode = 0;
    const int attempts = hotkeys.attempts;
    open().Text1_KeyDown(68, 4);
    form->Command1(0).click();
    EXPECT_EQ(hotkeys.attempts, attempts);
    EXPECT_EQ(IniStore(paths).ReadIniNumber("HotKey", "Shift0"), 1); // row 0 again on reopening
    EXPECT_EQ(IniStore(paths).ReadIniNumber("HotKey", "KeyCode0"), 68);
}
