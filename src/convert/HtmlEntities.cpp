#include "convert/HtmlEntities.h"

#include <cstring>

#include "convert/HtmlAsciiMatch.h"

namespace {

struct Entity {
    std::u16string_view name; // without the "&"
    char16_t character;
};

constexpr Entity kEntities[] = {{u"nbsp;", u' '}, {u"lt;", u'<'}, {u"gt;", u'>'}, {u"amp;", u'&'}};

} // namespace

// Replacing the four one after the other gives the same text as this one pass: each replacement
// writes a character that begins none of the others, and two of them never overlap. Works in
// place, since every replacement is shorter than what it replaces.
void DecodeFourEntities(std::u16string& t)
{
    Pos r = text::Find(t, u'&');
    if (r < 0)
        return;
    char16_t* const data = t.data();
    const Pos size = text::Size(t);
    const std::u16string_view view(data, t.size());
    Pos w = r;
    while (r < size) {
        if (data[r] == u'&') {
            const Entity* found = nullptr;
            for (const Entity& entity : kEntities) {
                if (html::HasAtNoCase(view, r + 1, entity.name)) {
                    found = &entity;
                    break;
                }
            }
            if (found) {
                data[w++] = found->character;
                r += 1 + text::Size(found->name);
                continue;
            }
        }
        const Pos next = text::Find(view, u'&', r + 1);
        const Pos stop = next < 0 ? size : next;
        if (w != r)
            std::memmove(data + w, data + r, size_t(stop - r) * sizeof(char16_t));
        w += stop - r;
        r = stop;
    }
    t.resize(size_t(w));
}
