#pragma once
// Setting.ini as a list of lines, each kept as the bytes it was read as, so that a write
// changes only the line of the key it writes (plus a new section header when needed).
// The file is code page 932, or UTF-8 behind a byte-order mark once 932 cannot hold it.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

class IniDocument {
public:
    IniDocument() = default; // an empty file
    static IniDocument parse(QByteArrayView bytes);

    // The value of the first matching key in the first matching section (names without
    // regard to case), trimmed of blanks and of one pair of surrounding quotes.
    std::optional<QString> find(const QString& section, const QString& key) const;
    // Sets key=value in the first matching section, adding the key after the section's last
    // line and the section at the end when missing. False (nothing changed) for a name the
    // syntax cannot hold.
    bool set(const QString& section, const QString& key, const QString& value);

    QByteArray bytes() const;

private:
    struct Line {
        QByteArray raw;   // the line's bytes, line break included
        QString text;     // decoded, line break removed
    };
    struct SectionSpan {
        size_t header;    // index of the header line
        size_t end;       // one past the section's last line
    };

    std::optional<SectionSpan> findSection(const QString& section) const;
    std::optional<size_t> findKey(const SectionSpan& span, const QString& key) const;
    void insertLine(size_t at, const QString& text);
    void replaceLine(size_t at, const QString& text);
    void setRaw(Line& line, QByteArray raw);
    QByteArray encode(const QString& text);
    void switchToUtf8();

    std::vector<Line> lines_;
    bool utf8_ = false;
};
