#include "web/HtmlAsciiMatch.h"

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

qsizetype FindStartTag(QStringView text, qsizetype from, QStringView lowerName)
{
    if (lowerName.isEmpty())
        return FindChar(text, from, u'<');
    // One plain pass: tags stand every few characters, so a library search per "<" costs
    // more than looking at each character once.
    const char16_t* const data = text.utf16();
    const char16_t first = lowerName.utf16()[0];
    const qsizetype last = text.size() - lowerName.size();
    for (qsizetype lt = qMax<qsizetype>(from, 0); lt < last; ++lt) {
        if (data[lt] == u'<' && AsciiLower(data[lt + 1]) == first && HasAtNoCase(text, lt + 1, lowerName))
            return lt;
    }
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
