// A saved page file as any bytes: reading it in pieces must give exactly what decoding the
// whole file at once and then making lone LFs CR LF gives. (A file with a byte-order mark
// but flawed UTF-8 after it only has to be read: decoders differ in how many replacement
// characters a flaw becomes.)
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/Codec.h"
#include "convert/PageFileText.h"

namespace {

QString WholeFileReading(QByteArrayView bytes)
{
    QString decoded;
    if (codec::HasUtf8Bom(bytes))
        decoded = QString::fromUtf8(bytes.sliced(3));
    else if (codec::IsValidUtf8(bytes))
        decoded = QString::fromUtf8(bytes);
    else
        decoded = codec::DecodeCp932(bytes);
    QString out;
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        if (decoded[i] == u'\n' && (i == 0 || decoded[i - 1] != u'\r'))
            out.append(u'\r');
        out.append(decoded[i]);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/page.html");
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Longer inputs are repeated past one read piece, so pieces cut characters and line breaks.
    QByteArray file = bytes.toByteArray();
    if (size > 64)
        while (file.size() < 70 * 1024)
            file.append(bytes);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(file) != file.size())
        std::abort();
    out.close();
    const std::optional<std::u16string> read = ReadPageFileText(QFile::encodeName(path).toStdString(), 16);
    if (!read)
        std::abort();
    const QString text = QStringView(*read).toString();
    const bool flawedAfterMark = codec::HasUtf8Bom(file) && !codec::IsValidUtf8(QByteArrayView(file).sliced(3));
    if (!flawedAfterMark && text != WholeFileReading(file))
        std::abort();
    return 0;
}
