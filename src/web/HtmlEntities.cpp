#include "web/HtmlEntities.h"

#include <cstring>

#include "web/HtmlAsciiMatch.h"

namespace {

struct Entity {
    QStringView name; // without the "&"
    char16_t character;
};

constexpr Entity kEntities[] = {{u"nbsp;", u' '}, {u"lt;", u'<'}, {u"gt;", u'>'}, {u"amp;", u'&'}};

} // namespace

// Replacing the four one after the other gives the same text as this one pass: each replacement
// writes a character that begins none of the others, and two of them never overlap. Works in
// place, since every replacement is shorter than what it replaces.
void DecodeFourEntities(QString& text)
{
    qsizetype r = text.indexOf(u'&');
    if (r < 0)
        return;
    char16_t* const data = reinterpret_cast<char16_t*>(text.data());
    const qsizetype size = text.size();
    const QStringView view(data, size);
    qsizetype w = r;
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
                r += 1 + found->name.size();
                continue;
            }
        }
        const qsizetype next = view.indexOf(u'&', r + 1);
        const qsizetype stop = next < 0 ? size : next;
        if (w != r)
            std::memmove(data + w, data + r, size_t(stop - r) * sizeof(char16_t));
        w += stop - r;
        r = stop;
    }
    text.truncate(w);
}
