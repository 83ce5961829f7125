// The application object wires the viewer to the stored files: what a run leaves behind.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <QLineEdit>

#include "TextReaderApp.h"
#include "library/ui/Form5.h"
#include "library/ui/Form6.h"
#include "settings/IniStore.h"
#include "support/MessageBoxAnswerer.h"
#include "support/TempFolder.h"
#include "viewer/ui/Form1.h"

TEST(TextReaderApp, RunShowsTheViewerReadableAndCloseWritesEveryFile)
{
    TempFolder folder;
    const ProgramPaths paths = folder.paths(false);
    QFile::copy(QStringLiteral(TR_SOURCE_DIR "/data/Howto.txt"), paths.programFile(QStringLiteral("Howto.txt")));
    TextReaderApp app(paths);
    ASSERT_TRUE(app.Start(QString()));

    Form1& viewer = app.Viewer();
    ViewerState& state = viewer.Viewer();
    EXPECT_TRUE(viewer.isVisible());
    // The page is legible: white text on black at 70 % opacity, hiding after 120 s.
    EXPECT_EQ(state.Alfa, 70);
    EXPECT_EQ(state.IdleTimer[1], 120);
    EXPECT_EQ(viewer.CanvasSurface().BackColor(), 0u);
    EXPECT_EQ(viewer.PageBufferSurface().BackColor(), 0u);
    const QImage& page = viewer.CanvasSurface().image();
    int white = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < page.width(); ++x)
            white += page.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_GT(white, 20); // the help text's first line

    // Y switches the background transparency (the colour key) on and off again.
    viewer.Picture1_KeyDown(89, 0);
    EXPECT_TRUE(state.BackTouka);
    EXPECT_TRUE(viewer.ColourKeyTransparency());
    viewer.Picture1_KeyDown(89, 0);
    EXPECT_FALSE(viewer.ColourKeyTransparency());

    // F and W open the term search and the library.
    viewer.Picture1_KeyDown(70, 0);
    viewer.Picture1_KeyDown(87, 0);
    EXPECT_TRUE(app.SearchWindow().isVisible());
    EXPECT_TRUE(app.LibraryWindow().isVisible());
    app.SearchWindow().ComboAdd(QStringLiteral("検索語"));
    app.LibraryWindow().Text1().setText(QStringLiteral("名前"));

    viewer.Form_Unload();
    EXPECT_EQ(state.QuitState, 2);
    EXPECT_TRUE(QFile::exists(paths.dataFile(QStringLiteral("rireki.dat"))));
    EXPECT_TRUE(QFile::exists(paths.dataFile(QStringLiteral("clip.txt"))));
    IniStore ini(paths);
    EXPECT_EQ(ini.ReadIniNumber(QStringLiteral("FormData"), QStringLiteral("FormW")), Form1::kClientWidthTwips);
    EXPECT_EQ(ini.ReadIniValue(QStringLiteral("FormData"), QStringLiteral("Rireki")).toText(), QStringLiteral("1"));
    // The hotkey table was loaded with its built-in keys and written back.
    EXPECT_EQ(ini.ReadIniNumber(QStringLiteral("HotKey"), QStringLiteral("KeyCode0")), 19);
    EXPECT_EQ(ini.ReadIniValue(QStringLiteral("TextFind"), QStringLiteral("FindKey1")).toText(), QStringLiteral("検索語"));
    EXPECT_EQ(ini.ReadIniValue(QStringLiteral("Favorite"), QStringLiteral("FavKey")).toText(), QStringLiteral("名前"));
}

// The history's failed save joins the one message at close, through the real message box.
TEST(TextReaderApp, AHistoryThatCannotBeSavedIsNamedInTheMessageAtClose)
{
    // An earlier run in this process ended the program (QCoreApplication::exit), which leaves
    // every new event loop quitting at once; a loop of our own clears that, as a new process is.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    TempFolder folder;
    const ProgramPaths paths = folder.paths();
    QDir().mkpath(paths.dataFile(QStringLiteral("rireki.dat"))); // a folder in its place
    TextReaderApp app(paths);
    ASSERT_TRUE(app.Start(QString()));
    MessageBoxAnswerer answer;
    app.Viewer().Form_Unload();
    const QString shown = answer.shown();
    EXPECT_TRUE(shown.contains(QStringLiteral("rireki.dat: 同じ名前のフォルダがあります。"))) << shown.toStdString();
    ASSERT_EQ(app.Viewer().ExitReport().items().size(), 1);
}
