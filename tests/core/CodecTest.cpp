#include <gtest/gtest.h>

#include "core/Codec.h"

using namespace codec;

namespace {

// Text -> file bytes -> text, as every stored file goes.
QString RoundTrip(const QString& text) { return DecodeTextFile(EncodeTextFile(text)); }

} // namespace

TEST(Codec, JapaneseTextIsStoredAsCp932)
{
    const QString text = QStringLiteral("日本語のテキスト、ｶﾀｶﾅ、①②Ⅲ㈱、～＼\\~");
    std::optional<QByteArray> bytes = EncodeCp932(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_FALSE(HasUtf8Bom(*bytes));
    EXPECT_EQ(DecodeCp932(*bytes), text);
    EXPECT_EQ(RoundTrip(text), text);
}

TEST(Codec, KnownBytesOfWindows31J)
{
    EXPECT_EQ(EncodeCp932(QStringLiteral("あ")).value(), QByteArray("\x82\xA0"));
    EXPECT_EQ(EncodeCp932(QStringLiteral("ｱ")).value(), QByteArray("\xB1"));
    EXPECT_EQ(EncodeCp932(QStringLiteral("①")).value(), QByteArray("\x87\x40"));   // NEC special
    EXPECT_EQ(EncodeCp932(QStringLiteral("～")).value(), QByteArray("\x81\x60"));
    EXPECT_EQ(EncodeCp932(QStringLiteral("\\")).value(), QByteArray("\x5C"));
}

TEST(Codec, ControlCodesMapToThemselvesBesideJapanese)
{
    // A byte below 0x80 must read the same whether or not the rest of the file is Japanese.
    const QByteArray controls("\x1A\x1C\x7F\t", 4);
    const QString expected = QString::fromLatin1(controls);
    EXPECT_EQ(DecodeCp932(controls), expected);
    EXPECT_EQ(DecodeCp932(QByteArray("\x82\xA0") + controls), QStringLiteral("あ") + expected);
    const QString mixed = QStringLiteral("あ") + expected;
    EXPECT_EQ(EncodeCp932(mixed).value(), QByteArray("\x82\xA0") + controls);
    EXPECT_EQ(RoundTrip(mixed), mixed);
}

TEST(Codec, TextsOutside932SurviveAsUtf8WithBom)
{
    for (const QString& text : {QStringLiteral("𠮷野家"), QStringLiteral("絵文字😀です"), QStringLiteral("¥100"),
                                QStringLiteral("한국어"), QStringLiteral("a\u00e9b")}) {
        EXPECT_FALSE(EncodeCp932(text).has_value()) << text.toStdString();
        const QByteArray file = EncodeTextFile(text);
        EXPECT_TRUE(HasUtf8Bom(file));
        EXPECT_EQ(DecodeTextFile(file), text);
    }
}

TEST(Codec, EmptyAndAsciiTexts)
{
    EXPECT_EQ(EncodeTextFile(QString()), QByteArray());
    EXPECT_EQ(EncodeTextFile(QStringLiteral("abc\r\n")), QByteArray("abc\r\n"));
    EXPECT_EQ(DecodeTextFile(QByteArray()), QString());
}

TEST(Codec, HandEditedFilesMayBeUtf8)
{
    const QString text = QStringLiteral("手で書いたファイル");
    EXPECT_EQ(DecodeTextFile(text.toUtf8()), text);
    EXPECT_EQ(DecodeTextFile(EncodeCp932(text).value()), text);
    EXPECT_EQ(DecodeTextFile(QByteArray("\xEF\xBB\xBF") + text.toUtf8()), text);
    // Stored files too: a hand-written UTF-8 clip.txt is not 932 mojibake, a 932 one stays 932.
    EXPECT_EQ(DecodeTextFile(text.toUtf8()), text);
    EXPECT_EQ(DecodeTextFile(EncodeCp932(text).value()), text);
}

TEST(Codec, BrokenBytesDecodeWithoutLoss)
{
    const QByteArray broken("ab\x82", 3);      // lead byte without trail byte
    const QString text = DecodeCp932(broken);
    EXPECT_TRUE(text.startsWith(QStringLiteral("ab")));
    EXPECT_EQ(text.size(), 3);
    // Undecodable bytes are marked as such, never as a control code a file could hold.
    EXPECT_EQ(DecodeCp932(QByteArray("\x82\xA0\x80\xFD")), QStringLiteral("あ\uFFFD\uFFFD"));
}

TEST(Codec, Cp932LengthCountsBytes)
{
    EXPECT_EQ(Cp932Length(u"abc"), 3);
    EXPECT_EQ(Cp932Length(u"日本"), 4);
    EXPECT_EQ(Cp932Length(u"ｱｲ"), 2);
    EXPECT_EQ(Cp932Length(u"a😀"), 5);          // outside 932: its UTF-8 bytes
}
