#pragma once
// The tag names the converter acts on and what each one writes into the marked text. Names
// are compared exactly (after lowering A-Z): "<b" is neither "<br" nor "<big", "<string" is
// not "<strong"; every other tag writes nothing.
#include <string_view>

enum class HtmlTagKind {
    Ignored,
    LineBreak,     // CR LF
    HighlightOn,   // \\B
    HighlightOff,  // \\E
    FontOn,        // \\O
    FontOff,       // \\N
    CellEnd,       // one blank
    Rule,          // a line of 16 hyphens between line breaks
    Image,         // alt text, file name or "≪絵≫"
    Link,          // href of <a
    OptionLink,    // value of <option
    Frame,         // src of <frame
};

struct HtmlTagRule {
    HtmlTagKind kind = HtmlTagKind::Ignored;
    bool mayNameAnchor = false; // its name attribute becomes an anchor marker
};

// The rule for a tag name: the tag up to its first blank, or without its final ">".
HtmlTagRule ClassifyTagName(std::u16string_view tagName);
