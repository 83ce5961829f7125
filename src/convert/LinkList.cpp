#include "convert/LinkList.h"

#include "convert/DecimalText.h"

std::u16string LinkDigits(int32_t number)
{
    const std::u16string digits = u"0000" + DecimalText(number);
    return digits.substr(digits.size() - 4);
}

void AppendLinkMarker(std::u16string& out, std::u16string_view digits)
{
    out.append(u"URL\\\\{");
    out.append(digits);
    out.append(u"} ");
}

void AppendUrlListEntry(std::u16string& list, std::u16string_view digits, std::u16string_view target)
{
    list.append(u"URLList\\\\{");
    list.append(digits);
    list.push_back(u':');
    list.append(target);
    list.append(u"}\r\n");
}
