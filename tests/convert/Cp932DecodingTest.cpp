#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "encoding/Cp932Decoding.h"
#include "encoding/cp932_table/IcuCp932Decoder.h"

namespace {

std::string Hex(std::u16string_view units)
{
    std::string s;
    char buf[8];
    for (char16_t c : units) {
        std::snprintf(buf, sizeof buf, " %04X", unsigned(c));
        s += buf;
    }
    return s;
}

std::string Hex(std::string_view bytes)
{
    std::string s;
    char buf[8];
    for (char b : bytes) {
        std::snprintf(buf, sizeof buf, " %02X", unsigned(static_cast<unsigned char>(b)));
        s += buf;
    }
    return s;
}

class Cp932DecodingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(icu.ok()); }

    ::testing::AssertionResult DecodesAsIcu(std::string_view bytes)
    {
        const std::u16string ours = cp932::Decoded(bytes);
        const std::u16string theirs = icu.decode(bytes).value_or(u"(ICU failed)");
        if (ours == theirs && ours.size() <= bytes.size())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "bytes" << Hex(bytes) << ": table gives" << Hex(ours)
                                             << ", ICU gives" << Hex(theirs);
    }

    IcuCp932Decoder icu;
};

TEST_F(Cp932DecodingTest, KnownCharacters)
{
    EXPECT_EQ(cp932::Decoded("\x82\xA0"), u"あ");
    EXPECT_EQ(cp932::Decoded("\x5C\x7E"), u"\\~"); // ASCII, not yen sign and overline
    EXPECT_EQ(cp932::Decoded("\xA6\xDF"), u"ｦﾟ");
    EXPECT_EQ(cp932::Decoded("\x81\x60"), u"～"); // U+FF5E as Windows has it, not U+301C
    EXPECT_EQ(cp932::Decoded("\x87\x40\xFA\x40"), u"①ⅰ");
    EXPECT_EQ(cp932::Decoded("\x1A\x1C\x7F"), u"\x1A\x1C\x7F");
    EXPECT_EQ(cp932::Decoded(std::string_view("\0", 1)), std::u16string(1, u'\0'));
    EXPECT_EQ(cp932::Decoded(""), u"");
}

TEST_F(Cp932DecodingTest, FlawsBecomeOneReplacementEach)
{
    EXPECT_EQ(cp932::Decoded("\x80\xA0\xFD\xFE\xFF"), u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(cp932::Decoded("\x85\x40"), u"\uFFFD");         // a pair with no character
    EXPECT_EQ(cp932::Decoded("\x82\x31\x82\x7F"), u"\uFFFD1\uFFFD\x7F"); // no trail byte: read again
    EXPECT_EQ(cp932::Decoded("\x82\x82\xA0"), u"ｂ\uFFFD");   // a lead byte may be a trail byte
    EXPECT_EQ(cp932::Decoded("ab\x82"), u"ab\uFFFD");
}

TEST_F(Cp932DecodingTest, EveryByteAndPairAloneAndBeforeAnotherByteDecodesAsIcu)
{
    for (unsigned b = 0; b < 256; ++b)
        ASSERT_TRUE(DecodesAsIcu(std::string(1, char(b))));
    // After the pair: ASCII, a lead byte (then lone at the end), a katakana byte.
    for (std::string_view after : {"", "A", "\x82", "\xB1"})
        for (unsigned b = 0; b < 256; ++b)
            for (unsigned n = 0; n < 256; ++n)
                ASSERT_TRUE(DecodesAsIcu(std::string{char(b), char(n)} + std::string(after)));
}

TEST_F(Cp932DecodingTest, RandomTextsDecodeAsIcu)
{
    std::mt19937 random(932);
    auto below = [&](unsigned n) { return unsigned(random() % n); };
    for (int round = 0; round < 4000; ++round) {
        // Pieces like real files: ASCII runs of every length around the eight-byte stride,
        // well-formed pairs, katakana, and arbitrary bytes.
        std::string bytes;
        for (unsigned pieces = below(12); pieces-- > 0;) {
            switch (below(4)) {
            case 0:
                for (unsigned n = below(20); n-- > 0;)
                    bytes.push_back(char(below(0x80)));
                break;
            case 1: {
                const unsigned lead = below(2) ? 0x81 + below(0x1F) : 0xE0 + below(0x1D);
                bytes += {char(lead), char(0x40 + below(0xBD))};
                break;
            }
            case 2: bytes.push_back(char(0xA1 + below(0x3F))); break;
            default: bytes.push_back(char(below(256))); break;
            }
        }
        ASSERT_TRUE(DecodesAsIcu(bytes));
        // Appending leaves what is already there and decodes the new bytes on their own.
        std::u16string out = u"前\xFFFD";
        cp932::AppendDecoded(bytes, out);
        ASSERT_EQ(out, u"前\xFFFD" + cp932::Decoded(bytes)) << Hex(bytes);
    }
}

} // namespace
