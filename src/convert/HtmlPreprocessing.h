#pragma once
// Preparing page HTML for the converter's scan: preformatted elements keep their blanks and
// line breaks as "&nbsp;" and "<BR>", scripts go, and every other line break of the source is
// dropped so that only tags decide where lines end.
#include <string>
#include <string_view>

class ConversionPacer;

// Every element of the name (pre, textarea) is replaced by its content with CR LF written as
// "<BR>" and blanks as "&nbsp;" outside the tags nested in it. Always true. The text is taken
// over while the elements are rewritten: events run from the pacer see it empty.
bool KeepPreformatted(std::u16string& text, std::u16string_view tagName, ConversionPacer* pacer = nullptr);
// Every element of the name is deleted, through the end of the text when it is not closed.
// Always true. Works in place on the text taken over, as KeepPreformatted does.
bool RemoveElement(std::u16string& text, std::u16string_view tagName, ConversionPacer* pacer = nullptr);

// Deletes CR LF, lone CR, tabs and the pair of control characters 15 and 20, then writes
// every "<BR>" (any letter case) as CR LF. Lone line feeds stay. In place.
void DeleteSourceBreaks(std::u16string& text);

// Puts prefix in front of text without holding two copies of a long text at once.
void PrependInPlace(std::u16string& text, std::u16string_view prefix);
