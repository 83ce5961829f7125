#include "library/EntryName.h"

#include <QStringList>

namespace {

// The longest file name most file systems take, in bytes, and the longest extension added.
constexpr qsizetype kMaxFileNameBytes = 255;
const qsizetype kLongestExtension = qsizetype(sizeof(".html") - 1);

bool HasControlCharacter(const QString& name)
{
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return true;
    return false;
}

bool HasLoneSurrogate(const QString& name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            ++i;
        else if (name[i].isSurrogate())
            return true;
    }
    return false;
}

#ifdef Q_OS_WIN
bool RefusedByWindows(const QString& name)
{
    static const QString reserved = QStringLiteral("<>:\"|?*");
    for (const QChar c : name)
        if (reserved.contains(c))
            return true;
    if (name.endsWith(u' ') || name.endsWith(u'.'))
        return true;
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"), QStringLiteral("NUL")};
    const QString stem = name.section(u'.', 0, 0).trimmed().toUpper();
    return devices.contains(stem) || (stem.size() == 4 && (stem.startsWith(u"COM") || stem.startsWith(u"LPT")) && stem[3].isDigit());
}
#endif

} // namespace

std::optional<QString> EntryNameProblem(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("名前が空です。保存する名前を入力してください。");
    if (name.contains(u'/') || name.contains(u'\\'))
        return QStringLiteral("名前に「/」や「\\」は使えません。");
    if (name == u"." || name == u"..")
        return QStringLiteral("「.」や「..」だけの名前は使えません。");
    if (HasControlCharacter(name))
        return QStringLiteral("名前に改行やタブなどの制御文字は使えません。");
    if (HasLoneSurrogate(name))
        return QStringLiteral("名前に壊れた文字が含まれています。");
#ifdef Q_OS_WIN
    if (RefusedByWindows(name))
        return QStringLiteral("名前に < > : \" | ? * は使えません（末尾の空白と「.」、CON などの装置名も使えません）。");
#endif
    if (name.toUtf8().size() + kLongestExtension > kMaxFileNameBytes)
        return QStringLiteral("名前が長すぎます。短い名前にしてください。");
    return std::nullopt;
}
