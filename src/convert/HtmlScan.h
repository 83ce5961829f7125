#pragma once
// The converter's scan: one pass from left to right over the prepared page text. Text
// between tags is copied (a run that is only "&nbsp;" is dropped), each tag writes what the
// tag table says, and every link also gets its entry in the URL list. A "<" that no ">"
// follows leaves the rest of the page as text.
#include <string>
#include <string_view>

#include "convert/ConversionPage.h"

class ConversionPacer;

struct HtmlScanResult {
    std::u16string text;      // the marked text of the page
    std::u16string urlList;   // heading and one entry per link
};

HtmlScanResult ScanPreparedText(std::u16string_view prepared, ConversionPage& page, ConversionPacer& pacer);
