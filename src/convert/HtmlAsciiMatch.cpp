#include "convert/HtmlAsciiMatch.h"

#include <cstdint>
#include <cstring>

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

namespace {

// True when one of the four UTF-16 units in word is "<" (the has-zero test on word ^ "<<<<").
inline bool HasLessThan(uint64_t word)
{
    const uint64_t x = word ^ 0x003C003C003C003CULL;
    return ((x - 0x0001000100010001ULL) & ~x & 0x8000800080008000ULL) != 0;
}

} // namespace

Pos FindStartTag(std::u16string_view t, Pos from, std::u16string_view lowerName)
{
    if (lowerName.empty())
        return FindChar(t, from, u'<');
    // Tags stand every few characters, so a library search per "<" costs more than one plain
    // pass; four characters are looked at together to pass over the text between tags.
    const char16_t* const data = t.data();
    const char16_t first = lowerName[0];
    const Pos last = text::Size(t) - text::Size(lowerName);
    auto matchesAt = [&](Pos lt) {
        return data[lt] == u'<' && AsciiLower(data[lt + 1]) == first && HasAtNoCase(t, lt + 1, lowerName);
    };
    Pos lt = from < 0 ? 0 : from;
    for (; lt + 4 <= last; lt += 4) {
        uint64_t word;
        std::memcpy(&word, data + lt, sizeof word);
        if (!HasLessThan(word))
            continue;
        for (Pos k = 0; k < 4; ++k)
            if (matchesAt(lt + k))
                return lt + k;
    }
    for (; lt < last; ++lt)
        if (matchesAt(lt))
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
