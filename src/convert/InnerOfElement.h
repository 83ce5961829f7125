#pragma once
// The content of the first element of a name: between the ">" of its first start tag
// ("<" + name, any letter case) and the first "</" + name + ">" after it, or to the end of the
// text when no end tag follows. Empty when there is no such start tag or it has no ">".
#include <string>
#include <string_view>

std::u16string InnerOfElement(std::u16string_view text, std::u16string_view tagName);
