#pragma once
// Preparing page HTML for the converter's scan: preformatted elements keep their blanks and
// line breaks as "&nbsp;" and "<BR>", scripts go, and every other line break of the source is
// dropped so that only tags decide where lines end.
#include <QString>
#include <QStringView>

class ConversionPacer;

// Every element of the name (pre, textarea) is replaced by its content with CR LF written as
// "<BR>" and blanks as "&nbsp;" outside the tags nested in it. Always true.
bool KeepPreformatted(QString& text, QStringView tagName, ConversionPacer* pacer = nullptr);
// Every element of the name is deleted, through the end of the text when it is not closed.
// Always true.
bool RemoveElement(QString& text, QStringView tagName, ConversionPacer* pacer = nullptr);

// Appends the text with CR LF, lone CR, tabs and the pair of control characters 15, 20
// deleted, then every "<BR>" (any letter case) written as CR LF. Lone line feeds stay.
void AppendWithoutSourceBreaks(QStringView text, QString& out);
