#include "library/SavedTextLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <vector>

#include "core/FileStore.h"
#include "library/EntryName.h"
#include "state/ViewerState.h"
#include "web/ClipFiles.h"

namespace {

const QString kText = QStringLiteral(".txt");
const QString kHtml = QStringLiteral(".html");
const QString kRecord = QStringLiteral(".utx");
constexpr double kPreviewCharacters = 600;

QString EntryFile(const ProgramPaths& paths, const QString& name, const QString& ext)
{
    return LibraryFolder(paths) + name + ext;
}

QString ClipFile(const ProgramPaths& paths, const QString& ext)
{
    return paths.dataFile(QStringLiteral("clip") + ext);
}

bool MakeLibraryFolder(const ProgramPaths& paths) { return QDir().mkpath(LibraryFolder(paths)); }

// Copies one file's bytes over another, atomically; a missing source gives an empty file.
bool CopyWhole(const QString& from, const QString& to)
{
    const std::optional<QByteArray> bytes = filestore::ReadWholeFile(from);
    if (!bytes && QFileInfo::exists(from))
        return false; // there, but unreadable: do not pass it on as empty
    return filestore::ReplaceFile(to, bytes.value_or(QByteArray()));
}

QString Quoted(const QString& name) { return u'「' + name + u'」'; }

} // namespace

QString LibraryFolder(const ProgramPaths& paths)
{
    return paths.dataFolder() + QStringLiteral("Clip/");
}

QStringList FillLibraryList(const ProgramPaths& paths)
{
    MakeLibraryFolder(paths);
    QStringList names;
    const QStringList files = QDir(LibraryFolder(paths)).entryList(QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QString& file : files)
        if (file.endsWith(kText, Qt::CaseSensitive) && file.size() > kText.size())
            names.append(file.chopped(kText.size()));
    return names;
}

bool LibraryEntryExists(const ProgramPaths& paths, const QString& name)
{
    return !EntryNameProblem(name) && QFileInfo(EntryFile(paths, name, kText)).isFile();
}

LibraryResult SaveToLibrary(const ProgramPaths& paths, const QString& name)
{
    if (const std::optional<QString> problem = EntryNameProblem(name))
        return LibraryResult::Failed(*problem);
    if (!MakeLibraryFolder(paths))
        return LibraryResult::Failed(QStringLiteral("保存用のフォルダ Save/Clip を作れませんでした。"));
    for (const QString& ext : {kText, kHtml, kRecord})
        if (!CopyWhole(ClipFile(paths, ext), EntryFile(paths, name, ext)))
            return LibraryResult::Failed(Quoted(name) + QStringLiteral("を保存できませんでした（%1）。ディスクの空きと書き込みの権限を確かめてください。").arg(name + ext));
    return {};
}

QString ReadLibraryPreview(const ProgramPaths& paths, const QString& name)
{
    if (EntryNameProblem(name))
        return {};
    return ReadSavedTextPart(EntryFile(paths, name, kText), kPreviewCharacters);
}

LibraryResult LoadFromLibrary(const ProgramPaths& paths, const QString& name, PageRecord& page, ViewerState& viewer)
{
    if (const std::optional<QString> problem = EntryNameProblem(name))
        return LibraryResult::Failed(*problem);
    if (!LibraryEntryExists(paths, name))
        return LibraryResult::Failed(Quoted(name) + QStringLiteral("は保存されていません。"));
    // All three are read before any clip file changes, so an unreadable entry leaves the
    // current document whole.
    const std::array<QString, 3> order = {kHtml, kRecord, kText};
    std::array<QByteArray, 3> bytes;
    for (size_t i = 0; i < order.size(); ++i) {
        const QString from = EntryFile(paths, name, order[i]);
        const std::optional<QByteArray> read = filestore::ReadWholeFile(from);
        if (!read && QFileInfo::exists(from))
            return LibraryResult::Failed(Quoted(name) + QStringLiteral("を読み込めませんでした（%1）。").arg(name + order[i]));
        bytes[i] = read.value_or(QByteArray());
    }
    for (size_t i = 0; i < order.size(); ++i)
        if (!filestore::ReplaceFile(ClipFile(paths, order[i]), bytes[i]))
            return LibraryResult::Failed(QStringLiteral("clip%1 を書き込めませんでした。").arg(order[i]));
    viewer.ReadPosition = 1;
    viewer.PageStartList.clear();
    viewer.CurrentText = LoadClipHtml(paths, QStringLiteral("L"), page, viewer);
    LoadClipText(paths, viewer);
    return {};
}

LibraryResult RenameInLibrary(const ProgramPaths& paths, const QString& oldName, const QString& newName)
{
    for (const QString& name : {oldName, newName})
        if (const std::optional<QString> problem = EntryNameProblem(name))
            return LibraryResult::Failed(*problem);
    if (oldName == newName)
        return LibraryResult::Failed(QStringLiteral("前と後が同じ名前です。"));
    if (!LibraryEntryExists(paths, oldName))
        return LibraryResult::Failed(Quoted(oldName) + QStringLiteral("が見つかりません。"));
    if (LibraryEntryExists(paths, newName))
        return LibraryResult::Failed(Quoted(newName) + QStringLiteral("という名前はすでにあります。別の名前にしてください。"));
    QDir folder;
    std::vector<QString> moved;
    for (const QString& ext : {kText, kHtml, kRecord}) {
        const QString from = EntryFile(paths, oldName, ext);
        const QString to = EntryFile(paths, newName, ext);
        if (!QFileInfo::exists(from))
            continue; // an entry may lack its page files
        // What a deleted entry of the new name left behind is replaced, as a save would.
        if (QFileInfo::exists(to))
            QFile::remove(to);
        if (!folder.rename(from, to)) {
            for (const QString& back : moved)
                folder.rename(EntryFile(paths, newName, back), EntryFile(paths, oldName, back));
            return LibraryResult::Failed(Quoted(oldName) + QStringLiteral("の名前を変えられませんでした。ファイルは元のままです。"));
        }
        moved.push_back(ext);
    }
    return {};
}

LibraryResult DeleteFromLibrary(const ProgramPaths& paths, const QString& name)
{
    if (const std::optional<QString> problem = EntryNameProblem(name))
        return LibraryResult::Failed(*problem);
    if (!LibraryEntryExists(paths, name))
        return LibraryResult::Failed(Quoted(name) + QStringLiteral("が見つかりません。"));
    if (!QFile::remove(EntryFile(paths, name, kText)))
        return LibraryResult::Failed(Quoted(name) + QStringLiteral("を削除できませんでした。"));
    return {};
}
