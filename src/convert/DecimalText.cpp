#include "convert/DecimalText.h"

std::u16string DecimalText(int64_t n)
{
    char16_t digits[24];
    char16_t* p = digits + 24;
    uint64_t u = n < 0 ? 0 - uint64_t(n) : uint64_t(n);
    do {
        *--p = char16_t(u'0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (n < 0)
        *--p = u'-';
    return std::u16string(p, digits + 24);
}
