#include "web/LinkList.h"

#include "core/Notation.h"

QString LinkDigits(int32_t number)
{
    return notation::Right(QStringLiteral("0000") + QString::number(number), 4);
}

void AppendLinkMarker(QString& out, QStringView digits)
{
    out.append(u"URL\\\\{");
    out.append(digits);
    out.append(u"} ");
}

void AppendUrlListEntry(QString& list, QStringView digits, QStringView target)
{
    list.append(u"URLList\\\\{");
    list.append(digits);
    list.append(u':');
    list.append(target);
    list.append(u"}\r\n");
}
