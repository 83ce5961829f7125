// textreader-cli macro from outside, on the real engine: pages on disk are saved into the
// library beside the program under the titles of macro.csv; a URL that cannot be loaded is
// counted as failed and never saved with the text of the page before it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

#include "support/TempFolder.h"

namespace {

TEST(MacroCommand, SavesLoadedPagesUnderTheirTitlesAndNamesTheFailures)
{
    TempFolder folder;
    // The program keeps its library beside itself: run a copy in a folder of the test's.
    for (const char* name : {"textreader-cli", "textreader-cli-fonts", "textreader-cli-engine"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(TR_BIN_DIR "/") + QLatin1String(name),
                                folder.path() + u'/' + QLatin1String(name)));
    const QString page = folder.file(QStringLiteral("p.html"),
        "<html><head><title>P</title></head><body>Macro page body</body></html>");
    const QString csv = folder.file(QStringLiteral("macro.csv"),
        QStringLiteral("\"file://%1\",\"一つ目\"\r\n\"http://127.0.0.1:1/\",\"届かない\"\r\n").arg(page).toUtf8());

    QProcess cli;
    cli.start(folder.path() + QStringLiteral("/textreader-cli"), {QStringLiteral("macro"), csv});
    ASSERT_TRUE(cli.waitForFinished(90000));
    const QString out = QString::fromUtf8(cli.readAllStandardOutput());
    EXPECT_EQ(cli.exitCode(), 1) << out.toStdString() << cli.readAllStandardError().toStdString();

    const QString clip = folder.path() + QStringLiteral("/Save/Clip/");
    QFile saved(clip + QStringLiteral("一つ目.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << out.toStdString();
    EXPECT_TRUE(saved.readAll().contains("Macro page body"));
    EXPECT_FALSE(QFile::exists(clip + QStringLiteral("届かない.txt")));
    EXPECT_TRUE(out.contains(QStringLiteral("届かない"))) << out.toStdString();
}

} // namespace
