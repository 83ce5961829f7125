#include "web/ClipFiles.h"

#include <QDir>
#include <QFileInfo>

#include "core/Codec.h"
#include "core/FileStore.h"
#include "core/Notation.h"
#include "web/ClipRecordFile.h"

namespace {

const QString kClipText = QStringLiteral("clip.txt");
const QString kClipHtml = QStringLiteral("clip.html");
const QString kClipRecord = QStringLiteral("clip.utx");

// The readers open their file for writing too, which creates a missing one; only where the
// data folder exists, since nothing here creates Save/.
std::optional<QString> ReadClipFile(const ProgramPaths& paths, const QString& name)
{
    const QString path = paths.dataFile(name);
    if (QFileInfo(paths.dataFolder()).isDir())
        filestore::TouchFile(path);
    std::optional<QByteArray> bytes = filestore::ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return codec::DecodeTextFile(*bytes);
}

} // namespace

void SaveClipHtml(const ProgramPaths& paths, QString& text, const PageRecord& page, const ViewerState& viewer)
{
    if (text.isEmpty())
        text = kNoData;
    filestore::ReplaceFile(paths.dataFile(kClipHtml), codec::EncodeTextFile(page.PageHtml));
    filestore::ReplaceFile(paths.dataFile(kClipRecord), WriteClipRecord(page, viewer));
}

QString LoadClipHtml(const ProgramPaths& paths, const QString& option, PageRecord& page, ViewerState& viewer)
{
    if (std::optional<QString> html = ReadClipFile(paths, kClipHtml))
        page.PageHtml = *html;
    if (page.PageHtml.isEmpty())
        page.PageHtml = kNoData;
    if (std::optional<QByteArray> bytes = filestore::ReadWholeFile(paths.dataFile(kClipRecord), 64 << 20))
        ReadClipRecord(codec::DecodeTextFile(*bytes), page, viewer, option.contains(u'L'));
    return page.PageHtml;
}

QString ReadSavedTextPart(const QString& path, double count)
{
    const int32_t chars = notation::ToInt32(count);
    if (chars <= 0)
        return {};
    // No character takes more than four bytes in either stored encoding (BOM aside).
    const qint64 bytes = qint64(chars) * 4 + 3;
    std::optional<QByteArray> start = filestore::ReadFileStart(path, bytes);
    if (!start)
        return {};
    return codec::DecodeTextFile(*start).left(chars);
}

QString ReadSaveFile(const QString& path)
{
    std::optional<QByteArray> bytes = filestore::ReadWholeFile(path);
    return bytes ? codec::DecodeTextFile(*bytes) : QString();
}

void SaveClipText(const ProgramPaths& paths, ViewerState& viewer)
{
    if (viewer.CurrentText.isEmpty())
        viewer.CurrentText = kNoData;
    filestore::ReplaceFile(paths.dataFile(kClipText), codec::EncodeTextFile(viewer.CurrentText));
}

void LoadClipText(const ProgramPaths& paths, ViewerState& viewer)
{
    std::optional<QString> text = ReadClipFile(paths, kClipText);
    if (text && !text->isEmpty())
        viewer.CurrentText = *text;
}

QString ClipboardPlainText(const QString& text)
{
    return QStringView(ClipboardPlainText(std::u16string_view(QStringView(text).utf16(), size_t(text.size())))).toString();
}
