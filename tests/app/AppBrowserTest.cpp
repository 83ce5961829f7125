// The browser window inside the program: a fetch through the real engine reaches the viewer
// through its fetch-completed command, and the button bar's back returns the text before.
#include <QFile>
#include <gtest/gtest.h>

#include "AppBrowser.h"
#include "TextReaderApp.h"
#include "support/TempFolder.h"
#include "viewer/ui/ButtonBar.h"
#include "viewer/ui/Form1.h"
#include "web/engine/EngineSanitizerOptions.h"

TEST(AppBrowser, FetchedPageIsTypedAndBackReturns)
{
    TempFolder folder;
    const ProgramPaths paths = folder.paths();
    const QString page = folder.file(QStringLiteral("page.html"),
                                     "<html><head><title>Page</title></head><body>Fetched words</body></html>");
    TextReaderApp app(paths);
    ASSERT_TRUE(app.Start(QStringLiteral("/DEBUG")));
    ViewerState& state = app.Viewer().Viewer();
    const QString before = state.CurrentText;
    EXPECT_FALSE(app.BrowserCanGoBack());

    const FetchOutcome outcome = app.Browser().Window().FetchAndWait(QStringLiteral("file://") + page);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(outcome.title, QStringLiteral("Page"));
    EXPECT_TRUE(state.CurrentText.contains(QStringLiteral("Fetched words")));
    EXPECT_EQ(app.Viewer().Page().StatusMessage, QStringLiteral("HTML取得完了"));
    EXPECT_TRUE(app.Viewer().Picture3().isEnabled());
    EXPECT_TRUE(app.BrowserCanGoBack());
    // The engine keeps its profile in Save/.
    EXPECT_TRUE(QFile::exists(paths.dataFile(QStringLiteral("WebEngine"))));

    app.BrowserBack();
    EXPECT_EQ(state.CurrentText, before);
    EXPECT_TRUE(app.BrowserCanGoForward());
    app.Viewer().Form_Unload();
}
