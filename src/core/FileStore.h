#pragma once
// Whole-file reads and atomic whole-file replacement. A write goes to a temporary file
// beside the target and is renamed over it only once complete, so a failed write
// (read-only folder, full disk, crash) leaves the old file whole.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace filestore {

// The whole file, or nothing when it is missing, unreadable or larger than maxBytes.
std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 maxBytes = qint64(1) << 31);

// The first maxBytes bytes of the file (fewer when it is shorter); nothing when unreadable.
std::optional<QByteArray> ReadFileStart(const QString& path, qint64 maxBytes);

// True when the new content is in place; on false the old file is untouched.
bool ReplaceFile(const QString& path, QByteArrayView bytes);

// Creates an empty file when none exists (the readers that "open for reading and writing").
void TouchFile(const QString& path);

} // namespace filestore
