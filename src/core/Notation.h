#pragma once
// The text and number notation the reader's behaviour is written in: 1-based positions,
// Right/Left/Mid, Val, Fix/Int and rounding of halves to the even neighbour.
#include <QString>
#include <QStringView>
#include <cmath>
#include <cstdint>

namespace notation {

// Number at the start of the text: leading blanks skipped, sign, digits, decimal point,
// exponent E/D, "&H"/"&O" integers; blanks, tabs and line feeds inside the number are
// skipped ("1 2" is 12). No number gives 0. Never infinite or NaN.
double Val(QStringView text);

inline qsizetype Len(QStringView text) { return text.size(); }

// The last n characters (all of the text when shorter, nothing when n <= 0).
QString Right(const QString& text, qsizetype n);
QString Left(const QString& text, qsizetype n);
// From the 1-based position start, n characters (the rest when n < 0).
QString Mid(const QString& text, qsizetype start, qsizetype n = -1);

// 1-based position of needle in haystack at or after start; 0 when absent.
// An empty needle is found at start (when start is within the text or just past it).
qsizetype InStr(qsizetype start, QStringView haystack, QStringView needle,
                Qt::CaseSensitivity cs = Qt::CaseSensitive);
inline qsizetype InStr(QStringView haystack, QStringView needle,
                       Qt::CaseSensitivity cs = Qt::CaseSensitive)
{
    return InStr(1, haystack, needle, cs);
}

// Every occurrence replaced, exact match, in one pass from left to right.
QString Replace(const QString& text, const QString& what, const QString& with);

inline double Fix(double x) { return std::trunc(x); }
double Int(double x);

// Nearest integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2),
// saturated to the target range instead of overflowing.
int64_t RoundHalfEven(double x);
int32_t ToInt32(double x);
int16_t ToInt16(double x);

// Decimal text of a number as the stored files write it: integral values without a point,
// others with "." and no exponent for ordinary magnitudes.
QString NumberText(double x);

} // namespace notation
