#include "settings/IniStore.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include "core/Codec.h"
#include "core/FileStore.h"
#include "core/Notation.h"
#include "settings/IniDocument.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// The longest start of the text that takes at most maxBytes bytes of 932, never splitting a
// double-byte character or a surrogate pair.
QString CutToBytes(const QString& text, qint64 maxBytes)
{
    if (text.size() <= maxBytes / 2 || codec::Cp932Length(text) <= maxBytes)
        return text;
    qint64 used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        used += codec::Cp932Length(QStringView(text).sliced(i, len));
        if (used > maxBytes)
            break;
        i += len;
    }
    return text.first(i);
}

// What tells a file apart from the one read before: a replacement gets a new identity, an
// edit in place a new size or time.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 identity = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const QString& path)
{
    FileStamp s;
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s.exists = true;
    s.size = st.st_size;
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    s.identity = quint64(st.st_ino) ^ (quint64(st.st_dev) << 32);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return s;
    s.exists = true;
    s.size = info.size();
    s.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
    s.changedNs = info.metadataChangeTime().toMSecsSinceEpoch() * 1000000;
#endif
    return s;
}

QString WriteFailureReason(const QString& path, qint64 bytes)
{
    const QStorageInfo volume(QFileInfo(path).absolutePath());
    if (volume.isValid() && volume.bytesAvailable() >= 0 && volume.bytesAvailable() < bytes + 4096)
        return QStringLiteral("ディスクの空き容量が足りないため、設定ファイル %1 を保存できませんでした。"
                              "元のファイルはそのまま残っています。").arg(path);
    return QStringLiteral("設定ファイル %1 を保存できませんでした（書き込みできません）。"
                          "Save フォルダーへの書き込み権限と空き容量を確認してください。"
                          "元のファイルはそのまま残っています。").arg(path);
}

} // namespace

struct IniStore::Loaded {
    enum class State { Missing, Read, TooLarge, Unreadable };
    State state = State::Missing;
    FileStamp stamp;
    QByteArray bytes; // as read: a save that changes nothing writes nothing
    IniDocument doc;
    bool changed = false;
};

IniStore::IniStore(ProgramPaths paths) : paths_(std::move(paths)) {}

IniStore::~IniStore() = default;

QString IniStore::settingsPath() const { return paths_.dataFile(QStringLiteral("Setting.ini")); }

int IniStore::capacity() const
{
    if (IniBufferLength_ <= 0)
        return kDefaultCapacity;
    return int(std::min<qint64>(qint64(IniBufferLength_) + 10, INT32_MAX));
}

std::unique_ptr<IniStore::Loaded> IniStore::load()
{
    auto loaded = std::make_unique<Loaded>();
    const QString path = settingsPath();
    loaded->stamp = StampOf(path);
    const QFileInfo info(path);
    if (!loaded->stamp.exists && !info.exists())
        return loaded;
    if (!info.isFile()) {
        // A folder, a device or a pipe under the name: never opened, never replaced.
        loaded->state = Loaded::State::Unreadable;
    } else if (info.size() > kMaxFileBytes) {
        loaded->state = Loaded::State::TooLarge;
        if (!noticeGiven_) {
            noticeGiven_ = true;
            notice_ = QStringLiteral("設定ファイル %1 は大きすぎるため（%2 MiB を超えています）読み込めませんでした。"
                                     "今回は既定の設定を使います。元のファイルは、次に設定を保存するときに "
                                     "Setting.ini.bad として残します。")
                          .arg(path)
                          .arg(kMaxFileBytes >> 20);
        }
    } else if (std::optional<QByteArray> bytes = filestore::ReadWholeFile(path, kMaxFileBytes)) {
        loaded->state = Loaded::State::Read;
        loaded->doc = IniDocument::parse(*bytes);
        loaded->bytes = std::move(*bytes);
    } else {
        loaded->state = Loaded::State::Unreadable;
    }
    return loaded;
}

const IniDocument& IniStore::document()
{
    if (batchDepth_ > 0)
        return pending_->doc;
    if (!cache_ || !(cache_->stamp == StampOf(settingsPath())))
        cache_ = load();
    return cache_->doc;
}

std::optional<QString> IniStore::TakeNotice() { return std::exchange(notice_, std::nullopt); }

IniValue IniStore::ReadIniValue(const QString& section, const QString& key)
{
    QString text;
    if (std::optional<QString> stored = document().find(section, key))
        text = CutToBytes(*stored, capacity() - 1);
    IniValue result = IniValue::fromStoredText(std::move(text));
    LastIniText_ = result.toText();
    return result;
}

double IniStore::ReadIniNumber(const QString& section, const QString& key)
{
    return notation::Val(ReadIniValue(section, key).toText());
}

IniValue IniStore::ReadIniFlag(const QString& section, const QString& key)
{
    IniValue v = ReadIniValue(section, key);
    return v.isEmptyText() ? IniValue::fromBoolean(false) : v;
}

double IniStore::ReadIniNumberOr(const QString& section, const QString& key, int32_t defaultValue)
{
    const double n = ReadIniNumber(section, key);
    if (n == 0 && LastIniText_.isEmpty())
        return defaultValue;
    return n;
}

IniValue IniStore::ReadIniText(const QString& section, const QString& key, int32_t expectedLength)
{
    IniBufferLength_ = expectedLength;
    IniValue v = ReadIniValue(section, key);
    IniBufferLength_ = 0;
    return v;
}

void IniStore::WriteIniValue(const QString& section, const QString& key, const QString& value)
{
    if (batchDepth_ == 0) {
        Batch one(*this);
        WriteIniValue(section, key, value);
        return;
    }
    if (pending_->doc.set(section, key, value))
        pending_->changed = true;
}

IniSaveResult IniStore::writeOut()
{
    std::unique_ptr<Loaded> pending = std::move(pending_);
    if (!pending->changed) {
        cache_ = std::move(pending);
        return {};
    }
    using State = Loaded::State;
    const QString path = settingsPath();
    if (pending->state == State::Unreadable) {
        return {false, QStringLiteral("設定ファイル %1 を読み込めないため、設定を保存しませんでした。"
                                      "元のファイルはそのまま残っています。").arg(path)};
    }
    QByteArray bytes = pending->doc.bytes();
    if (pending->state == State::Read && bytes == pending->bytes) {
        cache_ = std::move(pending);
        return {};
    }
    if (pending->state == State::TooLarge) {
        // The unusable file is kept beside the new one, for the user to look into.
        const QString bad = path + QStringLiteral(".bad");
        QFile::remove(bad);
        if (!QFile::rename(path, bad))
            return {false, QStringLiteral("大きすぎる設定ファイル %1 を Setting.ini.bad として残せなかったため、"
                                          "設定を保存しませんでした。").arg(path)};
    }
    if (!filestore::ReplaceFile(path, bytes))
        return {false, WriteFailureReason(path, bytes.size())};
    pending->state = State::Read;
    pending->stamp = StampOf(path);
    pending->bytes = std::move(bytes);
    pending->changed = false;
    cache_ = std::move(pending);
    return {};
}

IniStore::Batch::Batch(IniStore& store) : store_(store)
{
    if (store_.batchDepth_++ > 0)
        return;
    // Start from the file as it stands now: the kept parse when the file is unchanged.
    if (store_.cache_ && store_.cache_->stamp == StampOf(store_.settingsPath()))
        store_.pending_ = std::move(store_.cache_);
    else
        store_.pending_ = store_.load();
}

IniStore::Batch::~Batch()
{
    if (!done_)
        Commit();
}

IniSaveResult IniStore::Batch::Commit()
{
    if (done_)
        return {};
    done_ = true;
    if (--store_.batchDepth_ > 0)
        return {};
    store_.lastSave_ = store_.writeOut();
    return store_.lastSave_;
}
