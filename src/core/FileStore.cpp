#include "core/FileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace filestore {
namespace {

// Why a write failed, from the errno the failing call left and what the folder looks like.
QString WriteProblem(const QString& path, int error)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists())
        return QStringLiteral("保存先のフォルダ %1 がありません。").arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isDir())
        return QStringLiteral("保存先の %1 がフォルダではありません。").arg(QDir::toNativeSeparators(folder.filePath()));
    switch (error) {
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("ディスクの空きが足りません。");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("書き込みが許可されていません。");
    default:
        break;
    }
    if (QFileInfo(path).isDir())
        return QStringLiteral("同じ名前のフォルダがあります。");
    return QStringLiteral("書き込めません（%1）。").arg(qt_error_string(error));
}

} // namespace

ReadResult ReadRegularFile(const QString& path, qint64 maxBytes)
{
    ReadResult r;
    r.cap = maxBytes;
    const QFileInfo info(path);
    if (!info.exists()) {
        r.status = ReadResult::Status::Missing;
        return r;
    }
    // Checked before opening: opening a pipe waits for a writer.
    if (!info.isFile()) {
        r.status = ReadResult::Status::NotRegularFile;
        return r;
    }
    if (info.size() > maxBytes) {
        r.status = ReadResult::Status::TooLarge;
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential()) {
        r.status = file.isOpen() ? ReadResult::Status::NotRegularFile : ReadResult::Status::Unreadable;
        return r;
    }
    // Read to the end, but never past one byte more than allowed: that byte tells a file
    // that grew since it was measured.
    QByteArray bytes;
    bytes.reserve(qsizetype(info.size()));
    for (;;) {
        const qint64 room = maxBytes + 1 - bytes.size();
        const QByteArray piece = file.read(qMin<qint64>(room, qMax<qint64>(info.size() + 1, 1 << 16)));
        bytes += piece;
        if (piece.isEmpty() || bytes.size() > maxBytes || file.error() != QFileDevice::NoError)
            break;
    }
    if (file.error() != QFileDevice::NoError) {
        r.status = ReadResult::Status::Unreadable;
        return r;
    }
    if (bytes.size() > maxBytes) {
        r.status = ReadResult::Status::TooLarge;
        return r;
    }
    r.status = ReadResult::Status::Ok;
    r.bytes = std::move(bytes);
    return r;
}

ReadResult ReadInputFile(const QString& path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile() || info.isDir())
        return ReadRegularFile(path, maxBytes);
    ReadResult r;
    r.cap = maxBytes;
    QFile stream(path);
    if (!stream.open(QIODevice::ReadOnly)) {
        r.status = ReadResult::Status::Unreadable;
        return r;
    }
    QByteArray bytes;
    for (;;) {
        const QByteArray piece = stream.read(qMin<qint64>(maxBytes + 1 - bytes.size(), 1 << 16));
        if (piece.isEmpty())
            break;
        bytes += piece;
        if (bytes.size() > maxBytes) {
            r.status = ReadResult::Status::TooLarge;
            return r;
        }
    }
    if (stream.error() != QFileDevice::NoError) {
        r.status = ReadResult::Status::Unreadable;
        return r;
    }
    r.status = ReadResult::Status::Ok;
    r.bytes = std::move(bytes);
    return r;
}

QString SizeText(qint64 bytes)
{
    if (bytes >= (qint64(1) << 30) && bytes % (qint64(1) << 30) == 0)
        return QStringLiteral("%1 GB").arg(bytes >> 30);
    if (bytes >= (qint64(1) << 20))
        return QStringLiteral("%1 MB").arg(bytes >> 20);
    if (bytes >= 1024)
        return QStringLiteral("%1 KB").arg(bytes >> 10);
    return QStringLiteral("%1 バイト").arg(bytes);
}

QString ReadProblem(const ReadResult& result)
{
    using S = ReadResult::Status;
    switch (result.status) {
    case S::Ok: return {};
    case S::Missing: return QStringLiteral("ファイルがありません。");
    case S::NotRegularFile: return QStringLiteral("普通のファイルではありません。");
    case S::TooLarge: return QStringLiteral("大きすぎます（上限 %1）。").arg(SizeText(result.cap));
    case S::Unreadable: return QStringLiteral("読み込めません。");
    }
    return {};
}

std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 maxBytes)
{
    ReadResult r = ReadRegularFile(path, maxBytes);
    if (!r.ok())
        return std::nullopt;
    return std::move(r.bytes);
}

std::optional<QByteArray> ReadFileStart(const QString& path, qint64 maxBytes)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(qMax<qint64>(0, maxBytes));
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool ReplaceFile(const QString& path, QByteArrayView bytes, QString* reason)
{
    // A device, pipe or folder where the file belongs is never replaced (renaming a
    // temporary over a link to a device would replace the device itself).
    const QFileInfo target(path);
    if ((target.exists() || target.isSymLink()) && !target.isFile()) {
        if (reason)
            *reason = target.isDir() ? QStringLiteral("同じ名前のフォルダがあります。")
                                     : QStringLiteral("普通のファイルではありません。");
        return false;
    }
    QSaveFile file(path);
    errno = 0;
    bool ok = file.open(QIODevice::WriteOnly);
    // QSaveFile buffers: a write error (full disk) only shows on flush, and commit would
    // rename the cut-short temporary over the old file. Flush and check before committing.
    if (ok && (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()
               || file.error() != QFileDevice::NoError)) {
        const int error = errno;
        file.cancelWriting();
        errno = error;
        ok = false;
    }
    if (ok)
        ok = file.commit();
    if (!ok && reason)
        *reason = WriteProblem(path, errno);
    return ok;
}

void TouchFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

bool KeepAsBad(const QString& path, bool move)
{
    const QString bad = path + QStringLiteral(".bad");
    if (QFileInfo(bad).isFile())
        QFile::remove(bad);
    return move ? QFile::rename(path, bad) : QFile::copy(path, bad);
}

} // namespace filestore
