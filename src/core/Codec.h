#pragma once
// Code page 932 (Windows-31J) and the lossless rule for the files the reader writes:
// a text 932 holds whole is stored as 932; any other text as UTF-8 behind a byte-order mark,
// and every reader takes a byte-order mark as UTF-8.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace codec {

// The 932 bytes of the text, or nothing when 932 cannot hold it unchanged.
std::optional<QByteArray> EncodeCp932(QStringView text);
// 932 bytes to text; bytes 932 does not define become U+FFFD.
QString DecodeCp932(QByteArrayView bytes);

// Bytes for a file: 932 when it holds the text whole, otherwise BOM + UTF-8.
QByteArray EncodeTextFile(QStringView text);
// A file's bytes: BOM or valid UTF-8 -> UTF-8, anything else 932 (a text written by hand in
// UTF-8 must not turn into 932 mojibake). ASCII reads the same either way.
QString DecodeTextFile(QByteArrayView bytes);

// A decoded file and whether decoding lost bytes (932 bytes the table does not define, or
// broken UTF-8 after a BOM): such a file cannot be written back as it was.
struct DecodedText {
    QString text;
    bool lossy = false;
};
DecodedText DecodeStoredText(QByteArrayView bytes);

bool HasUtf8Bom(QByteArrayView bytes);
bool IsValidUtf8(QByteArrayView bytes);

// Length of the text in bytes of 932; characters 932 lacks count as their UTF-8 bytes.
qsizetype Cp932Length(QStringView text);

} // namespace codec
