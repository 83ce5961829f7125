#include "shell/HotKeyRegistration.h"

#include <QStringList>

std::vector<int> RegisterHotKeys(GlobalHotkeys& hotkeys, const HotKeys& keys)
{
    std::vector<int> failed;
    for (int s = 0; s < HotKeys::kSlots; ++s) {
        const int32_t modifiers = keys.HotKeyTable[s][HotKeys::kModifiers];
        const int32_t keyCode = keys.HotKeyTable[s][HotKeys::kKeyCode];
        if (!hotkeys.Register(HotKeys::kFirstId + s, modifiers, keyCode) && keyCode != 0)
            failed.push_back(s);
    }
    return failed;
}

void UnregisterHotKeys(GlobalHotkeys& hotkeys)
{
    for (int s = 0; s < HotKeys::kSlots; ++s)
        hotkeys.Unregister(HotKeys::kFirstId + s);
}

QString HotKeyStatusMessage(bool hotkeysOn, const HotKeys& keys, const std::vector<int>& failedSlots)
{
    if (!hotkeysOn)
        return QStringLiteral("ホットキーは使えません");
    if (failedSlots.empty())
        return QString();
    QStringList names;
    for (int s : failedSlots)
        names << (keys.HotKeyName[s].isEmpty() ? QString::number(s) : keys.HotKeyName[s]);
    return QStringLiteral("使えないホットキー: ") + names.join(u'、');
}
