#include "convert/HtmlAsciiMatch.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif


namespace html {

std::u16string AsciiLowered(std::u16string_view t)
{
    std::u16string lowered(t.size(), u'\0');
    for (size_t i = 0; i < t.size(); ++i)
        lowered[i] = AsciiLower(t[i]);
    return lowered;
}

bool SameNoCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

Pos FindStartTag(std::u16string_view t, Pos from, std::u16string_view lowerName)
{
    if (lowerName.empty())
        return FindChar(t, from, u'<');
    // Tags stand every few characters: the "<"s of eight characters are found with one
    // compare, and each is tried in turn, without a search call per "<".
    const char16_t* const data = t.data();
    const char16_t first = lowerName[0];
    const Pos last = text::Size(t) - text::Size(lowerName); // a match starts before it
    auto matchesAt = [&](Pos lt) {
        return AsciiLower(data[lt + 1]) == first && HasAtNoCase(t, lt + 1, lowerName);
    };
    Pos lt = from < 0 ? 0 : from;
#if defined(__SSE2__)
    const __m128i open = _mm_set1_epi16(short(u'<'));
    for (; lt + 8 <= last; lt += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + lt));
        for (unsigned mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(block, open))); mask != 0; mask &= mask - 1) {
            const Pos at = lt + __builtin_ctz(mask) / 2;
            mask &= mask - 1; // each unit sets two bits of the mask
            if (matchesAt(at))
                return at;
        }
    }
#endif
    for (; lt < last; ++lt)
        if (data[lt] == u'<' && matchesAt(lt))
            return lt;
    return -1;
}

Pos FindEndTag(std::u16string_view t, Pos from, std::u16string_view lowerName)
{
    const Pos size = text::Size(t);
    const Pos nameSize = text::Size(lowerName);
    for (Pos lt = FindChar(t, from, u'<'); lt >= 0; lt = FindChar(t, lt + 1, u'<')) {
        const Pos nameAt = lt + 2;
        if (nameAt < size && t[size_t(lt + 1)] == u'/' && HasAtNoCase(t, nameAt, lowerName)
            && nameAt + nameSize < size && t[size_t(nameAt + nameSize)] == u'>')
            return lt;
    }
    return -1;
}

} // namespace html
