// The display settings dialog applies every control to the viewer at once and keeps its
// controls in section TextView.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

#include "settings/ui/TextViewSettings.h"
#include "support/FileSizeLimit.h"
#include "DialogFixture.h"

namespace {

void TypeColour(Form2& form, const char* r, const char* g, const char* b, const char* density)
{
    form.rgbtext(0).setText(r);
    form.rgbtext(1).setText(g);
    form.rgbtext(2).setText(b);
    form.rgbtext(3).setText(density);
}

} // namespace

TEST_F(DialogTest, ColourSchemesComposeTheFieldsWithTheDensity)
{
    auto form = makeForm2();
    EXPECT_EQ(display.canvas.BackColor(), Rgb(0, 0, 0)); // scheme 0 as loaded
    EXPECT_EQ(display.canvas.ForeColor(), Rgb(255, 255, 255));
    EXPECT_FALSE(form->rgbtext(0).isEnabled());

    form->Option1(2).setChecked(true);
    TypeColour(*form, "0", "0", "64", "100");
    EXPECT_EQ(display.canvas.BackColor(), Rgb(0, 0, 64));
    EXPECT_EQ(display.canvas.ForeColor(), Rgb(100, 100, 164));
    EXPECT_EQ(viewer.TextColour, Rgb(100, 100, 164));
    EXPECT_EQ(display.buffer.ForeColor(), Rgb(100, 100, 164));
    EXPECT_EQ(viewer.ShadowShift, -1);
    form->rgbtext(3).setText("250");
    EXPECT_EQ(display.canvas.ForeColor(), Rgb(250, 250, 255));
    form->rgbtext(3).setText("-90"); // a negative component keeps that colour as it was
    EXPECT_EQ(display.canvas.ForeColor(), Rgb(250, 250, 255));

    form->Check2().setChecked(true); // background transparency follows the scheme's colour
    form->Option1(3).setChecked(true);
    TypeColour(*form, "200", "0", "0", "100");
    EXPECT_EQ(display.canvas.ForeColor(), Rgb(200, 0, 0));
    EXPECT_EQ(display.canvas.BackColor(), Rgb(255, 100, 100));
    EXPECT_EQ(display.buffer.BackColor(), Rgb(255, 100, 100));
    EXPECT_EQ(viewer.ShadowShift, 1);
    EXPECT_TRUE(display.colourKey);
    EXPECT_EQ(display.alpha, 255);

    form->Option1(0).setChecked(true); // the fields go grey, their texts stay and are kept
    EXPECT_FALSE(form->rgbtext(0).isEnabled());
    EXPECT_EQ(display.stackColour, Rgb(255, 255, 255));
    EXPECT_EQ(display.buffer.BackColor(), Rgb(0, 0, 0));
    ASSERT_TRUE(SaveTextViewSettings(settings, *form).ok);
    EXPECT_TRUE(ini().contains("Iroai=0\r\nR=200\r\nG=0\r\nB=0\r\nNoudo=100\r\n"));
}

TEST_F(DialogTest, OpacityIdleTimeAndFontReachTheViewer)
{
    auto form = makeForm2();
    EXPECT_EQ(display.alpha, 178); // 70 % as designed
    for (auto [percent, level] : {std::pair{0, 0}, {50, 128}, {70, 178}, {100, 255}}) {
        form->HScroll1().setValue(percent);
        EXPECT_EQ(display.alpha, level);
    }
    form->HScroll2().setValue(0);
    EXPECT_EQ(form->Label1(3).text(), "自動的に消える秒数(0は無限):0秒");
    EXPECT_EQ(viewer.IdleTimer[1], 0);

    EXPECT_EQ(form->Combo1().currentText(), "9"); // the whole points of 9.75
    form->Combo1().setEditText("14");
    EXPECT_EQ(display.canvas.font().pointSizeF(), 14);
    EXPECT_EQ(display.buffer.font().pointSizeF(), 14);
    form->Combo1().setEditText("0"); // no size: the font stays
    EXPECT_EQ(display.canvas.font().pointSizeF(), 14);
    form->Check1(1).setChecked(true);
    EXPECT_TRUE(display.buffer.font().italic());
    EXPECT_TRUE(display.canvas.font().bold());

    // The designed font is in the list (its substitute draws it) and selected.
    ASSERT_NE(form->List1().currentItem(), nullptr);
    EXPECT_EQ(form->List1().currentItem()->text(), "ＭＳ ゴシック");
    form->List1_Select("ｍｓ ゴシック"); // case counts
    EXPECT_EQ(form->List1().currentItem()->text(), "ＭＳ ゴシック");
}

TEST_F(DialogTest, HandEditedTextViewIsClampedOrResetAndNeverTaken)
{
    folder.write(settings.settingsPath(),
                 "[TextView]\r\nIroai=5\r\nR=abc\r\nG=7\r\nNoudo=12345\r\nFontSize=0\r\n"
                 "FontName=No Such Font\r\nFontBold=7\r\nFontItalic=1\r\nAlfa=400\r\n"
                 "CloseTime=-5\r\nBackTouka=1\r\n");
    auto form = makeForm2();
    EXPECT_EQ(form->Option1_Click_Check(), 0);
    EXPECT_EQ(form->rgbtext(0).text(), "0");
    EXPECT_EQ(form->rgbtext(1).text(), "7");
    EXPECT_EQ(form->rgbtext(3).text(), "0");
    EXPECT_EQ(form->Combo1().currentText(), "9");
    EXPECT_EQ(form->List1().currentItem()->text(), "ＭＳ ゴシック");
    EXPECT_TRUE(form->Check1(0).isChecked()); // 7 is no box value: the viewer's bold stays
    EXPECT_TRUE(display.canvas.font().italic());
    EXPECT_EQ(viewer.Alfa, 100);
    EXPECT_EQ(viewer.IdleTimer[1], 0);
    EXPECT_TRUE(viewer.BackTouka);
    EXPECT_TRUE(display.colourKey);

    // What is written back is what the dialog shows, and reads back the same.
    ASSERT_TRUE(form->Form_Unload());
    EXPECT_EQ(iniText(), "[TextView]\r\nIroai=0\r\nR=0\r\nG=7\r\nNoudo=0\r\nFontSize=9\r\n"
                         "FontName=ＭＳ ゴシック\r\nFontBold=1\r\nFontItalic=1\r\nAlfa=100\r\n"
                         "CloseTime=0\r\nBackTouka=1\r\nB=0\r\n");
    form->ShowForm(); // loaded again from the file
    EXPECT_EQ(form->HScroll1().value(), 100);
    EXPECT_TRUE(form->Check2().isChecked());
}

TEST_F(DialogTest, DuringStartUpTheDialogWritesItsSectionAndStaysLoaded)
{
    viewer.StartupDone = false;
    auto form = makeForm2();
    form->Timer1_Timer();
    EXPECT_TRUE(form->Loaded());
    EXPECT_TRUE(ini().contains("Alfa=70\r\nCloseTime=120\r\nBackTouka=0\r\n"));
    viewer.StartupDone = true;
    form->HScroll1().setValue(40);
    {
        FileSizeLimit fullDisk(16); // the user closes it on a full disk: told, file whole
        EXPECT_TRUE(form->close());
    }
    EXPECT_FALSE(form->Loaded());
    ASSERT_EQ(prompter.texts.size(), 1);
    EXPECT_TRUE(prompter.texts[0].contains("Setting.ini"));
    EXPECT_TRUE(ini().contains("Alfa=70\r\n"));
}
