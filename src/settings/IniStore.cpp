#include "settings/IniStore.h"

#include <QFile>

#include "core/Codec.h"
#include "core/FileStore.h"
#include "core/Notation.h"
#include "settings/IniDocument.h"

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

} // namespace

IniStore::IniStore(ProgramPaths paths) : paths_(std::move(paths)) {}

QString IniStore::settingsPath() const { return paths_.dataFile(QStringLiteral("Setting.ini")); }

int IniStore::capacity() const
{
    if (IniBufferLength_ <= 0)
        return kDefaultCapacity;
    return int(std::min<qint64>(qint64(IniBufferLength_) + 10, INT32_MAX));
}

IniValue IniStore::ReadIniValue(const QString& section, const QString& key)
{
    QString text;
    if (std::optional<QByteArray> bytes = filestore::ReadWholeFile(settingsPath(), kMaxFileBytes)) {
        if (std::optional<QString> stored = IniDocument::parse(*bytes).find(section, key))
            text = CutToBytes(*stored, capacity() - 1);
    }
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
    const QString path = settingsPath();
    IniDocument doc;
    if (QFile::exists(path)) {
        // A file that cannot be read whole is left alone rather than replaced by one key.
        std::optional<QByteArray> bytes = filestore::ReadWholeFile(path, kMaxFileBytes);
        if (!bytes)
            return;
        doc = IniDocument::parse(*bytes);
    }
    if (doc.set(section, key, value))
        filestore::ReplaceFile(path, doc.bytes());
}
