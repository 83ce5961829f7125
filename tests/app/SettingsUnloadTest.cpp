// The settings a run leaves in Setting.ini: the display settings' section on a first start,
// a restart that brings them back, and a full disk at the unload that loses nothing.
#include <QFile>
#include <QRadioButton>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "TextReaderApp.h"
#include "core/Codec.h"
#include "settings/ui/Form2.h"
#include "support/MessageBoxAnswerer.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"
#include "viewer/ui/Form1.h"

namespace {

QString SettingsText(const ProgramPaths& paths)
{
    QFile f(paths.dataFile(QStringLiteral("Setting.ini")));
    return f.open(QIODevice::ReadOnly) ? codec::DecodeCp932(f.readAll()) : QString();
}

} // namespace

TEST(SettingsUnload, FirstStartWritesTheDesignedDisplaySettingsAndARestartBringsChangesBack)
{
    TempFolder folder;
    const ProgramPaths paths = folder.paths(false);
    {
        TextReaderApp app(paths);
        ASSERT_TRUE(app.Start(QStringLiteral("/DEBUG")));
        app.Viewer().Form_Unload();
        EXPECT_TRUE(app.UnloadSettingsSave().ok);
    }
    EXPECT_TRUE(SettingsText(paths).contains(
        "[TextView]\r\nIroai=0\r\nR=0\r\nG=0\r\nB=0\r\nNoudo=0\r\nFontSize=9\r\nFontName=ＭＳ ゴシック\r\n"
        "FontBold=1\r\nFontItalic=0\r\nAlfa=70\r\nCloseTime=120\r\nBackTouka=0\r\n"));
    {
        TextReaderApp app(paths);
        ASSERT_TRUE(app.Start(QStringLiteral("/DEBUG")));
        Form2& dialog = app.Form2Dialog();
        dialog.Option1(3).setChecked(true);
        dialog.rgbtext(0).setText(QStringLiteral("200"));
        dialog.rgbtext(3).setText(QStringLiteral("100"));
        app.Viewer().Form_Unload();
    }
    TextReaderApp app(paths);
    ASSERT_TRUE(app.Start(QStringLiteral("/DEBUG")));
    EXPECT_EQ(app.Viewer().CanvasSurface().ForeColor(), 200u);
    EXPECT_EQ(app.Viewer().CanvasSurface().BackColor(), 0x6464FFu);
    EXPECT_EQ(app.Viewer().Viewer().ShadowShift, 1);
    app.Viewer().Form_Unload();
}

TEST(SettingsUnload, AFullDiskAtTheUnloadLeavesTheOldFileWholeAndSaysSo)
{
    TempFolder folder;
    const ProgramPaths paths = folder.paths();
    const QByteArray before = "[FormData]\r\nFormL=15\r\n" + QByteArray(6000, ';') + "\r\n";
    folder.write(paths.dataFile(QStringLiteral("Setting.ini")), before);
    TextReaderApp app(paths);
    ASSERT_TRUE(app.Start(QStringLiteral("/DEBUG")));
    const QByteArray atUnload = folder.read(paths.dataFile(QStringLiteral("Setting.ini")));
    EXPECT_TRUE(atUnload.startsWith(before)); // the display settings were added at start-up
    MessageBoxAnswerer answer;
    {
        FileSizeLimit fullDisk(4096);
        app.Viewer().Form_Unload();
    }
    EXPECT_TRUE(answer.shown().contains(QStringLiteral("Setting.ini"))) << answer.shown().toStdString();
    EXPECT_FALSE(app.UnloadSettingsSave().ok);
    EXPECT_TRUE(app.UnloadSettingsSave().reason.contains("Setting.ini"));
    EXPECT_EQ(folder.read(paths.dataFile(QStringLiteral("Setting.ini"))), atUnload);
}
