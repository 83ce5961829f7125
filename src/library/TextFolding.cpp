#include "library/TextFolding.h"

#include <QChar>

namespace textfolding {

namespace {

constexpr char32_t kFullWidthFirst = 0xFF01; // "！"
constexpr char32_t kFullWidthLast = 0xFF5E;  // "～"
constexpr char32_t kFullWidthOffset = 0xFEE0;
constexpr char32_t kIdeographicSpace = 0x3000;

} // namespace

char32_t FoldForSearch(char32_t c)
{
    if (c >= kFullWidthFirst && c <= kFullWidthLast)
        c -= kFullWidthOffset;
    else if (c == kIdeographicSpace)
        c = u' ';
    const char32_t folded = QChar::toCaseFolded(c);
    // Keep the length: a fold that would cross between one and two UTF-16 units is not made.
    return QChar::requiresSurrogates(folded) == QChar::requiresSurrogates(c) ? folded : c;
}

QString FoldedForSearch(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* to = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar u = text[i];
        if (u.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t c = FoldForSearch(QChar::surrogateToUcs4(u, text[i + 1]));
            to[i] = QChar(QChar::highSurrogate(c));
            to[++i] = QChar(QChar::lowSurrogate(c));
        } else {
            to[i] = QChar(char16_t(FoldForSearch(u.unicode())));
        }
    }
    return out;
}

qsizetype InStrFolded(qsizetype start, QStringView text, QStringView term)
{
    if (term.isEmpty() || start < 1 || start > text.size())
        return 0;
    // Only the part searched is folded; a match never starts before it.
    const QString haystack = FoldedForSearch(text.mid(start - 1));
    const qsizetype at = haystack.indexOf(FoldedForSearch(term));
    return at < 0 ? 0 : start + at;
}

qsizetype InStrRev(QStringView text, QStringView term, qsizetype end)
{
    if (term.isEmpty() || end < 1)
        return 0;
    const qsizetype lastStart = std::min(end, text.size()) - term.size();
    if (lastStart < 0)
        return 0;
    const qsizetype at = text.lastIndexOf(term, lastStart);
    return at < 0 ? 0 : at + 1;
}

} // namespace textfolding
