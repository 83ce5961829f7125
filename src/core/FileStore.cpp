#include "core/FileStore.h"

#include <QFile>
#include <QSaveFile>

namespace filestore {

std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxBytes)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> ReadFileStart(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(qMax<qint64>(0, maxBytes));
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool ReplaceFile(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile buffers: a write error (full disk) only shows on flush, and commit would
    // rename the cut-short temporary over the old file. Flush and check before committing.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()
        || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void TouchFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        file.open(QIODevice::WriteOnly);
}

} // namespace filestore
