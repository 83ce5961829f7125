#include "settings/KeyMapTable.h"

#include <cmath>
#include <optional>

#include "core/Codec.h"
#include "core/FileStore.h"

namespace {

// A hand-written key table is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxTableBytes = qint64(1) << 20;

struct Field {
    QString text;
    bool quoted = false;
};

bool IsLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }
bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Reads the fields of a comma- or line-separated list one at a time. A quoted field may
// hold commas; whatever follows its closing quote up to the separator is dropped.
class FieldReader {
public:
    explicit FieldReader(QStringView text) : t_(text) {}

    std::optional<Field> next()
    {
        skipBlanks(afterComma_);
        if (i_ >= t_.size() && !afterComma_)
            return std::nullopt;
        Field f;
        if (i_ < t_.size() && t_[i_] == u'"')
            f = quoted();
        else
            f = {unquoted().trimmed(), false};
        afterComma_ = i_ < t_.size() && t_[i_] == u',';
        if (i_ < t_.size())
            ++i_; // the separator
        return f;
    }

private:
    void skipBlanks(bool sameLine)
    {
        while (i_ < t_.size() && (IsBlank(t_[i_]) || (!sameLine && IsLineEnd(t_[i_]))))
            ++i_;
    }
    Field quoted()
    {
        const qsizetype start = ++i_;
        while (i_ < t_.size() && t_[i_] != u'"' && !IsLineEnd(t_[i_]))
            ++i_;
        Field f{t_.sliced(start, i_ - start).toString(), true};
        unquoted(); // the rest up to the separator
        return f;
    }
    QString unquoted()
    {
        const qsizetype start = i_;
        while (i_ < t_.size() && t_[i_] != u',' && !IsLineEnd(t_[i_]))
            ++i_;
        return t_.sliced(start, i_ - start).toString();
    }

    QStringView t_;
    qsizetype i_ = 0;
    bool afterComma_ = false;
};

bool EqualsCode(const Field& f, int16_t code)
{
    if (f.quoted)
        return false;
    bool ok = false;
    const double n = f.text.toDouble(&ok);
    return ok && std::isfinite(n) && n == code;
}

} // namespace

QString FindKeyName(QStringView table, int16_t code)
{
    FieldReader reader(table);
    while (std::optional<Field> first = reader.next()) {
        std::optional<Field> second = reader.next();
        if (!second)
            return {}; // a code without a name: the file is cut short
        if (EqualsCode(*first, code))
            return second->text;
    }
    return {};
}

QString LoadKeyMapTable(const ProgramPaths& paths, int16_t code)
{
    const std::optional<QByteArray> bytes =
        filestore::ReadWholeFile(paths.programFile(QStringLiteral("KeyMap.tbl")), kMaxTableBytes);
    if (!bytes)
        return {};
    return FindKeyName(codec::DecodeTextFile(*bytes), code);
}
