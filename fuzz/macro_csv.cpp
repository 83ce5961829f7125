// macro.csv as any bytes: the field reader must never crash or hang, no field runs across a
// line end, entries come in line order, and their number is bounded by the input's size.
#include <cstddef>
#include <cstdint>

#include "FuzzRequire.h"
#include "library/MacroFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::vector<MacroEntry> entries = ReadMacroEntries(bytes);
    size_t fields = 0;
    int line = 0;
    for (const MacroEntry& e : entries) {
        for (const QString& f : {e.url, e.title})
            Require(!f.contains(u'\r') && !f.contains(u'\n'));
        Require(e.line >= line && e.line >= 1);
        line = e.line;
        fields += 2;
    }
    Require(fields <= size_t(size) * 2 + 2);
    return 0;
}
