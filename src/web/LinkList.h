#pragma once
// The numbered links of marked text: the inline marker where a link stands and the entry
// in the URL list that ends the text. Both carry the link number as four digits.
#include <QString>
#include <QStringView>
#include <cstdint>

inline const QString kUrlListHeading = QStringLiteral("\r\n\r\nURLリスト一覧\r\n");

// The last four characters of "0000" + n: 7 -> "0007", 12345 -> "2345".
QString LinkDigits(int32_t number);
// "URL\\{" + digits + "} "
void AppendLinkMarker(QString& out, QStringView digits);
// "URLList\\{" + digits + ":" + target + "}" CR LF
void AppendUrlListEntry(QString& list, QStringView digits, QStringView target);
