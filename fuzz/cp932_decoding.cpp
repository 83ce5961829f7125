// Any bytes as code page 932: the compiled-in table must decode exactly as ICU's Windows-31J
// converter with one U+FFFD per undecodable sequence (and its control code rotation undone),
// which is what the reader decoded with before it had the table, and never to more units
// than there are bytes.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "encoding/Cp932Decoding.h"
#include "encoding/cp932_table/IcuCp932Decoder.h"
#include "FuzzRequire.h"

namespace {

std::u16string IcuDecoded(std::string_view bytes)
{
    static IcuCp932Decoder icu; // one converter for the run, reset per input
    Require(icu.ok());
    std::optional<std::u16string> out = icu.decode(bytes);
    Require(out.has_value());
    return *out;
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
