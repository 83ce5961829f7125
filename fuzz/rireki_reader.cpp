// rireki.dat as any bytes: the reader must never crash, read past the end or allocate more
// than the bytes hold; what it loads must save and load again to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "settings/HistoryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PageHistory history;
    DecodeHistory(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), history);
    const QByteArray saved = EncodeHistory(history);
    PageHistory again;
    DecodeHistory(saved, again);
    if (EncodeHistory(again) != saved)
        std::abort();
    if (history.occupied(30) && (again.CurrentText[30] != history.CurrentText[30]
                                 || again.ReadPosition[30] != history.ReadPosition[30]))
        std::abort();
    return 0;
}
