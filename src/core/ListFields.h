#pragma once
// The fields of a comma- or line-separated list, as the program's hand-edited tables are
// written (KeyMap.tbl, macro.csv). A quoted field runs to its closing quote and may hold
// commas; whatever follows the quote up to the separator is dropped. An unquoted field runs
// to the next comma or line end, without the blanks around it. A line end right after a
// comma ends an empty field; blank lines hold none.
#include <QString>
#include <QStringView>
#include <optional>

struct ListField {
    QString text;
    bool quoted = false;
    int line = 0; // the 1-based line the field starts on
};

class ListFieldReader {
public:
    explicit ListFieldReader(QStringView text) : text_(text) {}
    // The next field; nothing at the end of the text.
    std::optional<ListField> Next();

private:
    void SkipBlanks();
    void TakeLineEnd();
    QString Quoted();
    QString Unquoted();
    bool TakeDelimiter();

    QStringView text_;
    qsizetype at_ = 0;
    int line_ = 1;
    bool afterComma_ = false;
};
