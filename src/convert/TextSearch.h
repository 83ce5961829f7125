#pragma once
// Searching UTF-16 text. Positions are signed and -1 means "none", so a position can be
// computed with before it is checked, and the character searches look at eight characters
// at a time: between tags they run over most of a page.
#include <cstddef>
#include <string>
#include <string_view>

using Pos = std::ptrdiff_t;

namespace text {

inline Pos Size(std::u16string_view t) { return Pos(t.size()); }

// The first c at or after from, -1 when none.
Pos Find(std::u16string_view t, char16_t c, Pos from = 0);
// The first needle at or after from, -1 when none (an empty needle is found at from).
Pos Find(std::u16string_view t, std::u16string_view needle, Pos from = 0);
// The last c at or before from, -1 when none.
Pos FindLast(std::u16string_view t, char16_t c, Pos from);

// n characters from from (the rest when n is negative or runs past the end).
inline std::u16string_view Mid(std::u16string_view t, Pos from, Pos n = -1)
{
    const Pos size = Size(t);
    from = from < 0 ? 0 : (from > size ? size : from);
    if (n < 0 || n > size - from)
        n = size - from;
    return t.substr(size_t(from), size_t(n));
}

// Every needle replaced by replacement, left to right, the replaced text not searched again.
void ReplaceAll(std::u16string& t, std::u16string_view needle, std::u16string_view replacement);

} // namespace text
