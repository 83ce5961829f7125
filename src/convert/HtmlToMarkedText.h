#pragma once
// Page HTML to marked text: the body HTML of a page becomes the text the viewer reads, with
// the numbered URL list at its end. Standard C++ only: the command-line converter runs it
// without loading Qt, and the browser window runs it through its QString wrapper.
#include <string>
#include <string_view>

#include "convert/ConversionPage.h"
#include "convert/ConversionProgress.h"

// What an empty page becomes before it is converted.
inline constexpr std::u16string_view kNoDataText = u"no data.";

// Converts text in place. Reads page.PageTitle, PageRequestUrl, PageBaseUrl; sets
// page.PageTextLength and cuts page.PageUrl back to its folder at the first relative link.
// While it runs, text is empty; events run from the callbacks must not start another
// conversion.
void ConvertHtmlToText(std::u16string& text, ConversionPage& page, const ProgressCallbacks& progress = {});

// The marked text as it goes on the clipboard: without the highlight and font markers, links
// and anchors written plainly, the URL list cut off.
std::u16string ClipboardPlainText(std::u16string_view markedText);
