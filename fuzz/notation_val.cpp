// Val reads numbers out of settings values, control texts and page-start lists: any text
// must give a finite number, and the rounding helpers must stay in range.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QString>

#include "core/Notation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = notation::Val(text);
    if (!std::isfinite(value))
        std::abort();
    const int32_t rounded = notation::ToInt32(value);
    const int16_t small = notation::ToInt16(value);
    if (value >= 0 ? (rounded < 0 || small < 0) : (rounded > 0 || small > 0))
        std::abort();
    (void)notation::NumberText(value);
    (void)notation::InStr(1 + qsizetype(size % 7), text, text.left(3));
    return 0;
}
