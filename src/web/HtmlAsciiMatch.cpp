#include "web/HtmlAsciiMatch.h"

#include <cstdint>
#include <cstring>

namespace html {

QString AsciiLowered(QStringView text)
{
    QString lowered(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(lowered.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = AsciiLower(text[i].unicode());
    return lowered;
}

bool SameNoCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i].unicode()) != AsciiLower(b[i].unicode()))
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

qsizetype FindStartTag(QStringView text, qsizetype from, QStringView lowerName)
{
    if (lowerName.isEmpty())
        return FindChar(text, from, u'<');
    // Tags stand every few characters, so a library search per "<" costs more than one plain
    // pass; four characters are looked at together to pass over the text between tags.
    const char16_t* const data = text.utf16();
    const char16_t first = lowerName.utf16()[0];
    const qsizetype last = text.size() - lowerName.size();
    auto matchesAt = [&](qsizetype lt) {
        return data[lt] == u'<' && AsciiLower(data[lt + 1]) == first && HasAtNoCase(text, lt + 1, lowerName);
    };
    qsizetype lt = qMax<qsizetype>(from, 0);
    for (; lt + 4 <= last; lt += 4) {
        uint64_t word;
        std::memcpy(&word, data + lt, sizeof word);
        if (!HasLessThan(word))
            continue;
        for (qsizetype k = 0; k < 4; ++k)
            if (matchesAt(lt + k))
                return lt + k;
    }
    for (; lt < last; ++lt)
        if (matchesAt(lt))
            return lt;
    return -1;
}

qsizetype FindEndTag(QStringView text, qsizetype from, QStringView lowerName)
{
    for (qsizetype lt = FindChar(text, from, u'<'); lt >= 0; lt = FindChar(text, lt + 1, u'<')) {
        const qsizetype nameAt = lt + 2;
        if (nameAt < text.size() && text[lt + 1] == u'/' && HasAtNoCase(text, nameAt, lowerName)
            && nameAt + lowerName.size() < text.size() && text[nameAt + lowerName.size()] == u'>')
            return lt;
    }
    return -1;
}

} // namespace html
