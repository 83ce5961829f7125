#include "settings/KeyMapTable.h"

#include <cmath>
#include <optional>

#include "core/Codec.h"
#include "core/FileStore.h"
#include "core/ListFields.h"

namespace {

// A hand-written key table is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxTableBytes = qint64(1) << 20;

bool EqualsCode(const ListField& f, int16_t code)
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
    ListFieldReader reader(table);
    while (std::optional<ListField> first = reader.Next()) {
        std::optional<ListField> second = reader.Next();
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
