#pragma once
// The numbered links of marked text: the inline marker where a link stands and the entry
// in the URL list that ends the text. Both carry the link number as four digits.
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::u16string_view kUrlListHeading = u"\r\n\r\nURLリスト一覧\r\n";

// The last four characters of "0000" + n: 7 -> "0007", 12345 -> "2345".
std::u16string LinkDigits(int32_t number);
// "URL\\{" + digits + "} "
void AppendLinkMarker(std::u16string& out, std::u16string_view digits);
// "URLList\\{" + digits + ":" + target + "}" CR LF
void AppendUrlListEntry(std::u16string& list, std::u16string_view digits, std::u16string_view target);
