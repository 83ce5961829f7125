#pragma once
// Where a link of the page points. Absolute targets (fragments, web, mail and ftp addresses)
// stay as written; a protocol-relative "//host/..." takes the page's scheme; anything else is
// put behind the page's base or folder. The first relative link cuts page.PageUrl back to its
// folder, and it stays so after the conversion.
#include <string>
#include <string_view>

#include "convert/ConversionPage.h"

std::u16string ResolveLink(std::u16string_view value, ConversionPage& page);
