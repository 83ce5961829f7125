#include "core/Codec.h"

#include <QStringDecoder>
#include <unicode/ucnv.h>

#include <memory>
#include <string>
#include <string_view>

#include "encoding/Cp932Decoding.h"

namespace codec {
namespace {

constexpr char kConverterName[] = "ibm-943_P15A-2003"; // Windows-31J

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter OpenStrict()
{
    UErrorCode status = U_ZERO_ERROR;
    Converter conv(ucnv_open(kConverterName, &status));
    if (U_FAILURE(status))
        return nullptr;
    ucnv_setFallback(conv.get(), false);
    ucnv_setFromUCallBack(conv.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    return conv;
}

// The converter follows IBM's host habit of rotating three control codes (0x1A -> U+001C,
// 0x1C -> U+007F, 0x7F -> U+001A). Windows-31J, like ASCII, maps them to themselves; without
// the rotation a DEL in a Japanese file would be written as SUB. Only encoding needs this:
// the decoding table maps them to themselves already.
char16_t ToConverterControl(char16_t c)
{
    switch (c) {
    case 0x1A: return 0x1C;
    case 0x1C: return 0x7F;
    case 0x7F: return 0x1A;
    default: return c;
    }
}

bool IsAscii(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

std::optional<QByteArray> EncodeCp932(QStringView text)
{
    if (IsAscii(text)) // 932 is ASCII below 0x80, backslash and tilde included
        return QStringView(text).toLatin1();
    Converter conv = OpenStrict();
    if (!conv)
        return std::nullopt;
    QString source = text.toString();
    for (QChar& c : source)
        c = QChar(ToConverterControl(c.unicode()));
    QByteArray out(text.size() * 2 + 16, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(conv.get(), out.data(), int32_t(out.size()),
                                      reinterpret_cast<const UChar*>(source.utf16()), int32_t(source.size()), &status);
    if (U_FAILURE(status))
        return std::nullopt;
    out.truncate(n);
    // Only a mapping that reads back as the same text counts as held whole.
    if (DecodeCp932(out) != text)
        return std::nullopt;
    return out;
}

QString DecodeCp932(QByteArrayView bytes)
{
    bool ascii = true;
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes.data(), bytes.size());
    std::u16string out;
    cp932::AppendDecoded(std::string_view(bytes.data(), size_t(bytes.size())), out);
    return QStringView(out).toString();
}

bool HasUtf8Bom(QByteArrayView bytes) { return bytes.startsWith("\xEF\xBB\xBF"); }

bool IsValidUtf8(QByteArrayView bytes)
{
    // A scan, not a decode: a 932 file is told apart at its first non-ASCII character,
    // without building a text that is thrown away. Well-formed sequences only: no overlong
    // forms, no surrogates, nothing past U+10FFFF, nothing cut off at the end.
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    const auto trail = [&](qsizetype i, unsigned char lo = 0x80, unsigned char hi = 0xBF) {
        return p + i < end && p[i] >= lo && p[i] <= hi;
    };
    while (p < end) {
        const unsigned char b = *p;
        qsizetype n = 1;
        if (b < 0x80)
            n = 1;
        else if (b >= 0xC2 && b <= 0xDF && trail(1))
            n = 2;
        else if (b == 0xE0 && trail(1, 0xA0) && trail(2))
            n = 3;
        else if (((b >= 0xE1 && b <= 0xEC) || b == 0xEE || b == 0xEF) && trail(1) && trail(2))
            n = 3;
        else if (b == 0xED && trail(1, 0x80, 0x9F) && trail(2))
            n = 3;
        else if (b == 0xF0 && trail(1, 0x90) && trail(2) && trail(3))
            n = 4;
        else if (b >= 0xF1 && b <= 0xF3 && trail(1) && trail(2) && trail(3))
            n = 4;
        else if (b == 0xF4 && trail(1, 0x80, 0x8F) && trail(2) && trail(3))
            n = 4;
        else
            return false;
        p += n;
    }
    return true;
}

QByteArray EncodeTextFile(QStringView text)
{
    if (std::optional<QByteArray> cp932 = EncodeCp932(text))
        return *cp932;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

DecodedText DecodeStoredText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    if (HasUtf8Bom(bytes)) {
        DecodedText d{utf8(bytes.sliced(3)), false};
        d.lossy = utf8.hasError();
        return d;
    }
    if (IsValidUtf8(bytes))
        return {utf8(bytes), false};
    DecodedText d{DecodeCp932(bytes), false};
    // No 932 byte sequence stands for U+FFFD: it marks bytes the table does not define.
    d.lossy = d.text.contains(QChar::ReplacementCharacter);
    return d;
}

QString DecodeTextFile(QByteArrayView bytes) { return DecodeStoredText(bytes).text; }

qsizetype Cp932Length(QStringView text)
{
    if (IsAscii(text))
        return text.size();
    if (std::optional<QByteArray> cp932 = EncodeCp932(text))
        return cp932->size();
    qsizetype n = 0; // character by character only for the rare text 932 cannot hold
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView ch = text.sliced(i, len);
        std::optional<QByteArray> b = EncodeCp932(ch);
        n += b ? b->size() : ch.toUtf8().size();
        i += len - 1;
    }
    return n;
}

} // namespace codec
