#include "web/PageFileText.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>

#include "core/Codec.h"
#include "core/FileStore.h"

namespace {

constexpr qint64 kLargestFile = qint64(1) << 31;
constexpr qsizetype kPiece = 64 * 1024;

// Line feeds in [begin, begin + n) with no CR in front; `before` is the character before begin.
qsizetype CountLoneLineFeeds(const QChar* begin, qsizetype n, QChar before)
{
    const QStringView text(begin, n);
    qsizetype lone = 0;
    for (qsizetype lf = text.indexOf(u'\n'); lf >= 0; lf = text.indexOf(u'\n', lf + 1))
        lone += (lf > 0 ? text[lf - 1] : before) != u'\r';
    return lone;
}

// Puts a CR in front of each of the `lone` line feeds counted above, in place: written from
// the back, so nothing is overwritten before it is read. The buffer has room for them.
void ExpandLoneLineFeeds(QChar* begin, qsizetype n, qsizetype lone, QChar before)
{
    QChar* w = begin + n + lone;
    for (qsizetype r = n; r-- > 0 && lone > 0;) {
        const QChar c = begin[r];
        *--w = c;
        if (c == u'\n' && (r > 0 ? begin[r - 1] : before) != u'\r') {
            *--w = u'\r';
            --lone;
        }
    }
}

// The decoded text in one buffer sized ahead, each lone LF made CR LF as a piece arrives (a
// line feed byte is never part of a longer character in UTF-8 or 932).
class PageTextBuffer {
public:
    PageTextBuffer(qsizetype expected, qsizetype spare) : spare_(spare) { text_.resize(expected + spare); }

    void append(QStringDecoder& decoder, QByteArrayView bytes)
    {
        reserveFor(decoder.requiredSpace(bytes.size()));
        QChar* const start = text_.data() + size_;
        const qsizetype n = decoder.appendToBuffer(start, bytes) - start;
        addLineBreaks(n);
    }

    void append(QStringView decoded)
    {
        reserveFor(decoded.size());
        std::copy(decoded.begin(), decoded.end(), text_.data() + size_);
        addLineBreaks(decoded.size());
    }

    QString take()
    {
        text_.truncate(size_);
        return std::move(text_);
    }

private:
    // The n characters just written after size_ become part of the text.
    void addLineBreaks(qsizetype n)
    {
        const QChar before = size_ > 0 ? text_.at(size_ - 1) : QChar();
        const qsizetype lone = CountLoneLineFeeds(text_.constData() + size_, n, before);
        if (lone > 0) {
            reserveFor(n + lone); // may move the text, never drops the n characters
            ExpandLoneLineFeeds(text_.data() + size_, n, lone, before);
        }
        size_ += n + lone;
    }

    void reserveFor(qsizetype more)
    {
        if (size_ + more + spare_ > text_.size())
            text_.resize(std::max(text_.size() * 2, size_ + more + spare_));
    }

    QString text_;
    qsizetype size_ = 0;
    qsizetype spare_;
};

// The file read as UTF-8. Without a byte-order mark, `flawed` tells whether the bytes were
// not valid UTF-8 after all (the reading then stops early).
std::optional<QString> ReadUtf8(QFile& file, qsizetype spare, bool& flawed)
{
    QByteArray piece(kPiece, Qt::Uninitialized);
    const qint64 head = file.read(piece.data(), 3);
    if (head < 0)
        return std::nullopt;
    const bool bom = codec::HasUtf8Bom(QByteArrayView(piece.constData(), head));
    // Decoded as a whole-file decode after the mark would be: a second mark is dropped too.
    QStringDecoder decoder(QStringDecoder::Utf8);
    PageTextBuffer text(qsizetype(file.size()) + qsizetype(file.size()) / 16, spare);
    qint64 got = bom ? 0 : head;
    do {
        text.append(decoder, QByteArrayView(piece.constData(), got));
        if (decoder.hasError() && !bom)
            break;
    } while ((got = file.read(piece.data(), kPiece)) > 0);
    if (got < 0 || file.error() != QFileDevice::NoError)
        return std::nullopt;
    // A character cut off by the end of the file shows only once something follows it; the
    // line feed sent after the last piece is swallowed then, or comes back alone.
    const QString end = decoder(QByteArrayView("\n", 1));
    flawed = !bom && decoder.hasError();
    if (bom && end != u"\n")
        text.append(QStringView(end).chopped(end.endsWith(u'\n') ? 1 : 0));
    return text.take();
}

std::optional<QString> ReadCp932(const QString& path, qsizetype spare)
{
    std::optional<QByteArray> bytes = filestore::ReadWholeFile(path, kLargestFile);
    if (!bytes)
        return std::nullopt;
    const QString decoded = codec::DecodeCp932(*bytes);
    bytes.reset();
    PageTextBuffer text(decoded.size() + decoded.size() / 16, spare);
    text.append(decoded);
    return text.take();
}

} // namespace

std::optional<QString> ReadPageFileText(const QString& path, qsizetype spare)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestFile)
        return std::nullopt;
    bool flawed = false;
    std::optional<QString> text = ReadUtf8(file, spare, flawed);
    if (!text || !flawed)
        return text;
    text.reset();
    file.close();
    return ReadCp932(path, spare);
}
