#pragma once
// Code page 932 decoded by ICU, as the reader did before it had its own table: the
// Windows-31J converter, one U+FFFD per undecodable sequence and the converter's rotation of
// 0x1A/0x1C/0x7F undone. The table generator reads the table off it; the tests and the fuzz
// target hold the table up against it.
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <optional>
#include <string>
#include <string_view>

class IcuCp932Decoder {
public:
    static constexpr char kConverterName[] = "ibm-943_P15A-2003"; // Windows-31J

    IcuCp932Decoder()
    {
        UErrorCode status = U_ZERO_ERROR;
        conv_ = ucnv_open(kConverterName, &status);
        if (U_SUCCESS(status))
            ucnv_setToUCallBack(conv_, Substitute, nullptr, nullptr, nullptr, &status);
        ok_ = U_SUCCESS(status);
    }
    ~IcuCp932Decoder() { ucnv_close(conv_); }
    IcuCp932Decoder(const IcuCp932Decoder&) = delete;
    IcuCp932Decoder& operator=(const IcuCp932Decoder&) = delete;

    bool ok() const { return ok_; }

    // Nothing when ICU fails on the bytes.
    std::optional<std::u16string> decode(std::string_view bytes)
    {
        std::u16string out(bytes.size() + 1, u'\0');
        ucnv_reset(conv_);
        UErrorCode status = U_ZERO_ERROR;
        const int32_t n = ucnv_toUChars(conv_, reinterpret_cast<UChar*>(out.data()), int32_t(out.size()), bytes.data(),
                                        int32_t(bytes.size()), &status);
        if (U_FAILURE(status))
            return std::nullopt;
        out.resize(size_t(n));
        for (char16_t& c : out)
            c = FromConverterControl(c);
        return out;
    }

private:
    // An undecodable sequence becomes U+FFFD; the converter's own choice for a single byte,
    // U+001A, could not be told apart from a real control code.
    static void Substitute(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                           UConverterCallbackReason reason, UErrorCode* err)
    {
        if (reason > UCNV_IRREGULAR)
            return;
        const UChar replacement = 0xFFFD;
        *err = U_ZERO_ERROR;
        ucnv_cbToUWriteUChars(args, &replacement, 1, 0, err);
    }

    // The converter's host rotation (0x1A -> U+001C, 0x1C -> U+007F, 0x7F -> U+001A), undone.
    static char16_t FromConverterControl(char16_t c)
    {
        switch (c) {
        case 0x1C: return 0x1A;
        case 0x7F: return 0x1C;
        case 0x1A: return 0x7F;
        default: return c;
        }
    }

    UConverter* conv_ = nullptr;
    bool ok_ = false;
};
