#include "convert/TextSearch.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace text {

Pos Find(std::u16string_view t, char16_t c, Pos from)
{
    const Pos size = Size(t);
    Pos i = from < 0 ? 0 : from;
    const char16_t* const data = t.data();
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi16(short(c));
    for (; i + 8 <= size; i += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(block, wanted));
        if (mask != 0)
            return i + __builtin_ctz(unsigned(mask)) / 2;
    }
#endif
    for (; i < size; ++i)
        if (data[i] == c)
            return i;
    return -1;
}

Pos Find(std::u16string_view t, std::u16string_view needle, Pos from)
{
    if (needle.empty())
        return from <= Size(t) ? (from < 0 ? 0 : from) : -1;
    const Pos last = Size(t) - Size(needle);
    for (Pos at = Find(t, needle[0], from); at >= 0 && at <= last; at = Find(t, needle[0], at + 1)) {
        if (t.substr(size_t(at), needle.size()) == needle)
            return at;
    }
    return -1;
}

Pos FindLast(std::u16string_view t, char16_t c, Pos from)
{
    if (from >= Size(t))
        from = Size(t) - 1;
    for (Pos i = from; i >= 0; --i)
        if (t[size_t(i)] == c)
            return i;
    return -1;
}

void ReplaceAll(std::u16string& t, std::u16string_view needle, std::u16string_view replacement)
{
    Pos at = Find(t, needle, 0);
    if (at < 0 || needle.empty())
        return;
    std::u16string out;
    out.reserve(t.size());
    Pos copied = 0;
    for (; at >= 0; at = Find(t, needle, at + Size(needle))) {
        out.append(t, size_t(copied), size_t(at - copied));
        out.append(replacement);
        copied = at + Size(needle);
    }
    out.append(t, size_t(copied));
    t = std::move(out);
}

} // namespace text
