// rireki.dat that cannot be read whole: kept as rireki.dat.bad before anything replaces it,
// and a device where the file belongs neither blocks the start nor gets replaced.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "settings/HistoryFile.h"
#include "support/TempFolder.h"

TEST(HistoryFileDamage, CutHugeAndDeviceFilesAreKeptAsideOrLeftAlone)
{
    TempFolder folder;
    const ProgramPaths paths = folder.paths();
    const QString file = paths.dataFile(QStringLiteral("rireki.dat"));
    const QString bad = file + QStringLiteral(".bad");
    PageHistory h;
    h.ReadPosition[30] = 7;
    h.CurrentText[30] = QStringLiteral("current page");
    const QByteArray whole = EncodeHistory(h);

    folder.write(file, whole);
    PageHistory loaded;
    EXPECT_EQ(LoadHistoryChecked(paths, loaded), std::nullopt);
    EXPECT_EQ(loaded.CurrentText[30], QStringLiteral("current page"));
    EXPECT_FALSE(QFile::exists(bad));

    const QByteArray cut = whole.left(whole.size() - 5);
    folder.write(file, cut);
    const std::optional<FileProblem> damaged = LoadHistoryChecked(paths, loaded);
    ASSERT_TRUE(damaged);
    EXPECT_TRUE(damaged->reason.contains(QStringLiteral("rireki.dat.bad")));
    EXPECT_EQ(loaded.CurrentText[30], QStringLiteral("current page")); // the records before the cut
    EXPECT_EQ(folder.read(bad), cut);

    folder.write(file, "x");
    ASSERT_TRUE(QFile::resize(file, (qint64(1) << 30) + 1)); // sparse, one byte past the cap
    const std::optional<FileProblem> huge = LoadHistoryChecked(paths, loaded);
    ASSERT_TRUE(huge);
    EXPECT_TRUE(huge->reason.contains(QStringLiteral("上限 1 GB")));
    EXPECT_FALSE(loaded.occupied(30));
    EXPECT_EQ(QFileInfo(bad).size(), (qint64(1) << 30) + 1);
    QFile::remove(bad);

    QFile::remove(file);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), file));
    const std::optional<FileProblem> device = LoadHistoryChecked(paths, loaded);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->reason, QStringLiteral("普通のファイルではありません。"));
    EXPECT_TRUE(SaveHistoryChecked(paths, h));
    EXPECT_EQ(QFileInfo(file).symLinkTarget(), QStringLiteral("/dev/zero"));
}
