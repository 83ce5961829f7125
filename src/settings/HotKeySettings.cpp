#include "settings/HotKeySettings.h"

#include "core/Notation.h"

namespace {

const QString kSection = QStringLiteral("HotKey");

QString KeyName(const char* prefix, int slot) { return QLatin1String(prefix) + QString::number(slot); }

struct BuiltInHotKey {
    const char16_t* name;
    int16_t modifiers;
    int16_t keyCode;
};

// Pause, Alt+Up, Alt+Down, Alt+Pause, Alt+Shift+Pause.
constexpr BuiltInHotKey kBuiltIn[] = {
    {u"非表示/再表示", 0, 19}, {u"一つ前に", 1, 38}, {u"次を表示", 1, 40},
    {u"貼り付け", 1, 19},      {u"追加貼り付け", 5, 19},
};

} // namespace

void SetDefaultHotKeyNames(HotKeys& keys)
{
    for (int s = 0; s < int(std::size(kBuiltIn)); ++s) {
        keys.HotKeyName[s] = QString::fromUtf16(kBuiltIn[s].name);
        keys.HotKeyTable[s][HotKeys::kModifiers] = kBuiltIn[s].modifiers;
        keys.HotKeyTable[s][HotKeys::kKeyCode] = kBuiltIn[s].keyCode;
    }
}

void LoadHotKeySettings(IniStore& ini, HotKeys& keys)
{
    for (int s = 0; s < HotKeys::kSlots; ++s) {
        std::array<int16_t, 2>& slot = keys.HotKeyTable[s];
        keys.HotKeyName[s] = ini.ReadIniValue(kSection, KeyName("Name", s)).toText();
        // Values beyond 16 bits saturate rather than wrap into another key.
        slot[HotKeys::kModifiers] = notation::ToInt16(
            ini.ReadIniNumberOr(kSection, KeyName("Shift", s), slot[HotKeys::kModifiers]));
        slot[HotKeys::kKeyCode] = notation::ToInt16(
            ini.ReadIniNumberOr(kSection, KeyName("KeyCode", s), slot[HotKeys::kKeyCode]));
    }
    if (keys.HotKeyName[0].isEmpty())
        SetDefaultHotKeyNames(keys);
}

void SaveHotKeySettings(IniStore& ini, const HotKeys& keys)
{
    IniStore::Batch save(ini); // 51 keys, one write of the file
    for (int s = 0; s < HotKeys::kSlots; ++s) {
        ini.WriteIniValue(kSection, KeyName("Name", s), keys.HotKeyName[s]);
        ini.WriteIniValue(kSection, KeyName("Shift", s),
                          QString::number(keys.HotKeyTable[s][HotKeys::kModifiers]));
        ini.WriteIniValue(kSection, KeyName("KeyCode", s),
                          QString::number(keys.HotKeyTable[s][HotKeys::kKeyCode]));
    }
}
