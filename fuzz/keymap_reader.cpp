// KeyMap.tbl as any bytes: the field reader must never crash or hang, and a name it returns
// is one field, never running across a line end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/Codec.h"
#include "settings/KeyMapTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString table = codec::DecodeTextFile(bytes);
    const int16_t first = size >= 2 ? int16_t(data[0] | data[1] << 8) : 0;
    for (int16_t code : {first, int16_t(19), int16_t(0), int16_t(-1)}) {
        const QString name = FindKeyName(table, code);
        if (name.contains(u'\n') || name.contains(u'\r'))
            std::abort();
    }
    return 0;
}
