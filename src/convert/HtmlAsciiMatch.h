#pragma once
// Tag names and entities are ASCII, and pages mix every letter case; these helpers compare
// ASCII letters without case and leave every other character exact, so a matching step never
// depends on the locale or on Unicode case folding.
#include <string>
#include <string_view>

#include "convert/TextSearch.h"

namespace html {

constexpr char16_t AsciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

// Position of the first c at or after from, -1 when none. Looks at the next few characters
// itself: between tags the next one is usually near, and the block search pays a set-up
// for each look.
inline Pos FindChar(std::u16string_view t, Pos from, char16_t c)
{
    const char16_t* data = t.data();
    const Pos size = text::Size(t);
    if (from < 0)
        from = 0;
    const Pos nearEnd = size < from + 24 ? size : from + 24;
    for (Pos i = from; i < nearEnd; ++i) {
        if (data[i] == c)
            return i;
    }
    return nearEnd < size ? text::Find(t, c, nearEnd) : -1;
}

// The text with the letters A-Z lowered and nothing else changed.
std::u16string AsciiLowered(std::u16string_view t);

// True when t has lowerWord at pos (lowerWord is written in lower case).
inline bool HasAtNoCase(std::u16string_view t, Pos pos, std::u16string_view lowerWord)
{
    if (pos < 0 || text::Size(t) - pos < text::Size(lowerWord))
        return false;
    const char16_t* at = t.data() + pos;
    for (size_t i = 0; i < lowerWord.size(); ++i) {
        if (AsciiLower(at[i]) != lowerWord[i])
            return false;
    }
    return true;
}
inline bool EqualsNoCase(std::u16string_view t, std::u16string_view lowerWord)
{
    return t.size() == lowerWord.size() && HasAtNoCase(t, 0, lowerWord);
}
// Both sides compared without regard to ASCII letter case.
bool SameNoCase(std::u16string_view a, std::u16string_view b);

// Position of the first "<" + name at or after from (the element's start tag, which may go on
// with more letters: "<pre" also finds "<preface"); -1 when there is none.
Pos FindStartTag(std::u16string_view t, Pos from, std::u16string_view lowerName);
// Position of the first "</" + name + ">" at or after from; -1 when there is none.
Pos FindEndTag(std::u16string_view t, Pos from, std::u16string_view lowerName);
inline Pos EndTagLength(std::u16string_view lowerName) { return text::Size(lowerName) + 3; }

} // namespace html
