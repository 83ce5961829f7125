#pragma once
// What the converter reads of the page being converted and what it leaves there: the
// browser's page record holds the same values as QString.
#include <string>

struct ConversionPage {
    std::u16string PageTitle;
    std::u16string PageRequestUrl;
    std::u16string PageUrl;      // cut back to its folder at the first relative link
    std::u16string PageBaseUrl;
    double PageTextLength = 0;   // length of the text the scan runs over
};
