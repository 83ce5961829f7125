// Where the viewer window's input goes: keys and mouse as command codes to the plugged
// handler, Esc closing the window before a handler is plugged, the button bar.
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "Form1Fixture.h"
#include "viewer/ui/ButtonBar.h"
#include "viewer/ui/ViewerInput.h"

namespace form1test {
namespace {

struct RecordingInput : ViewerInput {
    void Picture1_KeyDown(int16_t& KeyCode, int16_t& Shift) override
    {
        commands << QStringLiteral("cmd %1/%2").arg(KeyCode).arg(Shift);
    }
    void Form_KeyDown(int16_t& KeyCode, int16_t& Shift) override
    {
        commands << QStringLiteral("key %1/%2").arg(KeyCode).arg(Shift);
    }
    void Form_MouseDown(int16_t Button, int16_t Shift, double X, double Y) override
    {
        commands << QStringLiteral("down %1/%2 at %3,%4").arg(Button).arg(Shift).arg(X).arg(Y);
    }
    QStringList commands;
};

struct BrowserHooks : RecordingHooks {
    bool BrowserCanGoBack() const override { return true; }
};

} // namespace
} // namespace form1test

TEST(Form1Input, KeysAndClicksReachThePluggedHandlerAsCommandCodes)
{
    ProgramFolder program;
    ViewerRun run(program.paths());
    ASSERT_TRUE(run.load());
    RecordingInput input;
    run.form->SetInput(&input);
    const double tpp = run.form->TwipsPerPixel();

    QTest::keyClick(run.form.get(), Qt::Key_Down);
    QTest::keyClick(run.form.get(), Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(run.form.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
    run.form->Picture1_KeyDown(85, 90);
    EXPECT_EQ(input.commands,
              (QStringList{"key 40/0", "key 17/2", "key 86/2",
                           QStringLiteral("down 1/1 at %1,%2").arg(10 * tpp).arg(20 * tpp),
                           "cmd 85/90"}));

    // Without a handler only Esc does something: the viewer fades out and closes.
    run.form->SetInput(nullptr);
    QTest::keyClick(run.form.get(), Qt::Key_Down);
    EXPECT_EQ(run.viewer.QuitState, 0);
    QTest::keyClick(run.form.get(), Qt::Key_Escape);
    EXPECT_EQ(run.viewer.QuitState, 2);
    EXPECT_FALSE(run.form->isVisible());
}

TEST(Form1Input, ButtonBarSlidesOpenAndItsButtonsActOnViewerAndBrowser)
{
    ProgramFolder program;
    ViewerRun run(program.paths());
    BrowserHooks hooks;
    Form1 form(Form1::Shared{run.viewer, run.record, run.history, run.paths, run.settings,
                             run.prompter, run.effects, hooks});
    form.SetPause([](int) {});
    RecordingInput input;
    form.SetInput(&input);
    const int height = form.Picture3().height();
    form.Picture3_Visible(true);
    EXPECT_FALSE(form.Picture3().isHidden());
    form.Command1(0).setEnabled(false);
    form.Command1(3).click();
    form.Command1(0).click(); // disabled: nothing
    EXPECT_EQ(input.commands, QStringList{"cmd 86/2"});
    // Every click brings the back and forward buttons in step with the browser.
    EXPECT_TRUE(form.Command1(0).isEnabled());
    EXPECT_FALSE(form.Command1(1).isEnabled());
    form.Picture3_Visible(false);
    EXPECT_TRUE(form.Picture3().isHidden());
    EXPECT_EQ(form.Picture3().height(), height);
}
