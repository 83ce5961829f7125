#pragma once
// Whole-file reads and atomic whole-file replacement. A write goes to a temporary file
// beside the target and is renamed over it only once complete, so a failed write
// (read-only folder, full disk, crash) leaves the old file whole. Reads open regular files
// only (a device or a pipe put where a stored file belongs could block or never end) and
// never take more than their cap.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace filestore {

// What a bounded read found.
struct ReadResult {
    enum class Status { Ok, Missing, NotRegularFile, TooLarge, Unreadable };
    Status status = Status::Missing;
    QByteArray bytes; // only with Ok
    qint64 cap = 0;   // the cap the read had
    bool ok() const { return status == Status::Ok; }
};

// The whole file if it is a regular file of at most maxBytes.
ReadResult ReadRegularFile(const QString& path, qint64 maxBytes);
// Input named on a command line: a regular file, or a pipe or device read as a stream,
// either way never more than maxBytes (a stream that goes on is cut off and refused).
ReadResult ReadInputFile(const QString& path, qint64 maxBytes);
// The reason in Japanese, for the user ("大きすぎます（上限 256 MB）" and the like); empty for Ok.
QString ReadProblem(const ReadResult& result);
// A byte count as the user reads it: "256 MB", "64 KB".
QString SizeText(qint64 bytes);

// The whole file, or nothing when it is missing, not a regular file, unreadable or larger
// than maxBytes.
std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 maxBytes = qint64(256) << 20);

// The first maxBytes bytes of a regular file (fewer when it is shorter); nothing when unreadable.
std::optional<QByteArray> ReadFileStart(const QString& path, qint64 maxBytes);

// True when the new content is in place; on false the old file is untouched and, when
// reason is given, it receives why in Japanese.
bool ReplaceFile(const QString& path, QByteArrayView bytes, QString* reason = nullptr);

// Creates an empty file when nothing exists at path (the readers that "open for reading
// and writing"); a folder, device or pipe in its place is left alone.
void TouchFile(const QString& path);

// Keeps the file as path + ".bad" (an older one is replaced): moved when move is set,
// copied otherwise. False when it could not be kept.
bool KeepAsBad(const QString& path, bool move);

} // namespace filestore
