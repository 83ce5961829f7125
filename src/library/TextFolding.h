#pragma once
// The term search's text comparison. Forwards, letters match regardless of case (Latin,
// Greek, Cyrillic and every other script with case, full-width forms included) and the
// full-width forms of ASCII match their ASCII characters; backwards the match is exact.
// Folding never changes a text's length, so a position in the folded text is a position in
// the original.
#include <QString>
#include <QStringView>

namespace textfolding {

// One character as the comparison sees it.
char32_t FoldForSearch(char32_t c);
// The whole text folded, character by character, same length.
QString FoldedForSearch(QStringView text);

// 1-based position of the first match at or after start, comparing folded; 0 when none.
qsizetype InStrFolded(qsizetype start, QStringView text, QStringView term);
// 1-based position of the last exact match that ends at or before position end; 0 when none
// (also for an empty term or an end below 1).
qsizetype InStrRev(QStringView text, QStringView term, qsizetype end);

} // namespace textfolding
