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

QString KeptNote(const QString& name, const QString& why)
{
    return QStringLiteral("%1 元のファイルは %2.bad に残しました。").arg(why, name);
}

// Reads a clip file as text. The readers open their file for writing too, which creates a
// missing one; only where the data folder exists, since nothing here creates Save/. A file
// too large to use is moved aside as <name>.bad (it would be replaced at the next save); one
// whose reading lost bytes is copied there, so the original survives the next save.
std::optional<QString> ReadClipFile(const ProgramPaths& paths, const QString& name, qint64 cap,
                                    FileProblems* problems)
{
    const QString path = paths.dataFile(name);
    if (QFileInfo(paths.dataFolder()).isDir())
        filestore::TouchFile(path);
    filestore::ReadResult read = filestore::ReadRegularFile(path, cap);
    using S = filestore::ReadResult::Status;
    if (read.status == S::TooLarge) {
        const bool kept = filestore::KeepAsBad(path, true);
        if (problems)
            problems->add(name, kept ? KeptNote(name, filestore::ReadProblem(read)) : filestore::ReadProblem(read));
    } else if (read.status == S::NotRegularFile || read.status == S::Unreadable) {
        if (problems)
            problems->add(name, filestore::ReadProblem(read));
    }
    if (!read.ok())
        return std::nullopt;
    codec::DecodedText decoded = codec::DecodeStoredText(read.bytes);
    if (decoded.lossy && filestore::KeepAsBad(path, false) && problems)
        problems->add(name, KeptNote(name, QStringLiteral("読めない文字がありました。")));
    return std::move(decoded.text);
}

// Whether the file already holds exactly this text (an unchanged text is not rewritten, so
// a file in an encoding of its own keeps its bytes).
bool HoldsText(const QString& path, const QString& text, const QByteArray& encoded)
{
    const std::optional<QByteArray> bytes = filestore::ReadWholeFile(path, kMaxClipTextBytes);
    return bytes && (*bytes == encoded || codec::DecodeTextFile(*bytes) == text);
}

std::optional<FileProblem> Replace(const ProgramPaths& paths, const QString& name, const QByteArray& bytes)
{
    QString reason;
    if (filestore::ReplaceFile(paths.dataFile(name), bytes, &reason))
        return std::nullopt;
    return FileProblem{name, reason};
}

} // namespace

std::optional<FileProblem> SaveClipHtml(const ProgramPaths& paths, QString& text, const PageRecord& page,
                                        const ViewerState& viewer)
{
    if (text.isEmpty())
        text = kNoData;
    if (std::optional<FileProblem> failed = Replace(paths, kClipHtml, codec::EncodeTextFile(page.PageHtml)))
        return failed; // the record and positions belong to that page: not written without it
    return Replace(paths, kClipRecord, WriteClipRecord(page, viewer));
}

QString LoadClipHtml(const ProgramPaths& paths, const QString& option, PageRecord& page, ViewerState& viewer,
                     FileProblems* problems)
{
    if (std::optional<QString> html = ReadClipFile(paths, kClipHtml, kMaxClipTextBytes, problems))
        page.PageHtml = *html;
    if (page.PageHtml.isEmpty())
        page.PageHtml = kNoData;
    const filestore::ReadResult record = filestore::ReadRegularFile(paths.dataFile(kClipRecord), kMaxClipRecordBytes);
    if (record.ok())
        ReadClipRecord(codec::DecodeTextFile(record.bytes), page, viewer, option.contains(u'L'));
    else if (record.status != filestore::ReadResult::Status::Missing && problems)
        problems->add(kClipRecord, filestore::ReadProblem(record));
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
    std::optional<QByteArray> bytes = filestore::ReadWholeFile(path, kMaxClipTextBytes);
    return bytes ? codec::DecodeTextFile(*bytes) : QString();
}

std::optional<FileProblem> SaveClipText(const ProgramPaths& paths, ViewerState& viewer)
{
    if (viewer.CurrentText.isEmpty())
        viewer.CurrentText = kNoData;
    const QByteArray encoded = codec::EncodeTextFile(viewer.CurrentText);
    if (HoldsText(paths.dataFile(kClipText), viewer.CurrentText, encoded))
        return std::nullopt;
    return Replace(paths, kClipText, encoded);
}

std::optional<FileProblem> LoadClipText(const ProgramPaths& paths, ViewerState& viewer)
{
    FileProblems problems;
    std::optional<QString> text = ReadClipFile(paths, kClipText, kMaxClipTextBytes, &problems);
    if (text && !text->isEmpty())
        viewer.CurrentText = *text;
    if (problems.empty())
        return std::nullopt;
    return problems.items().front();
}

QString ClipboardPlainText(const QString& text)
{
    return QStringView(ClipboardPlainText(std::u16string_view(QStringView(text).utf16(), size_t(text.size())))).toString();
}
