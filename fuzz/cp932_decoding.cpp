// Any bytes as code page 932: the compiled-in table must decode exactly as ICU's Windows-31J
// converter with one U+FFFD per undecodable sequence (and its control code rotation undone),
// which is what the reader decoded with before it had the table, and never to more units
// than there are bytes.
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "convert/Cp932Decoding.h"
#include "FuzzRequire.h"

namespace {

void Substitute(const void*, UConverterToUnicodeArgs* args, const char*, int32_t, UConverterCallbackReason reason,
                UErrorCode* err)
{
    if (reason > UCNV_IRREGULAR)
        return;
    const UChar replacement = 0xFFFD;
    *err = U_ZERO_ERROR;
    ucnv_cbToUWriteUChars(args, &replacement, 1, 0, err);
}

UConverter* OpenConverter()
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter* conv = ucnv_open("ibm-943_P15A-2003", &status);
    ucnv_setToUCallBack(conv, Substitute, nullptr, nullptr, nullptr, &status);
    Require(U_SUCCESS(status));
    return conv;
}

std::u16string IcuDecoded(std::string_view bytes)
{
    static UConverter* const conv = OpenConverter(); // one for the run, reset per input
    ucnv_reset(conv);
    std::u16string out(bytes.size() + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_toUChars(conv, reinterpret_cast<UChar*>(out.data()), int32_t(out.size()), bytes.data(),
                                    int32_t(bytes.size()), &status);
    Require(U_SUCCESS(status));
    out.resize(size_t(n));
    for (char16_t& c : out)
        c = c == 0x1C ? 0x1A : c == 0x7F ? 0x1C : c == 0x1A ? 0x7F : c;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string decoded = cp932::Decoded(bytes);
    Require(decoded.size() <= size);
    Require(decoded == IcuDecoded(bytes));
    return 0;
}
