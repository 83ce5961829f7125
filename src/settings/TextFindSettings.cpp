#include "settings/TextFindSettings.h"

#include "settings/IniStore.h"

namespace {

const QString kSection = QStringLiteral("TextFind");
const QString kKey = QStringLiteral("FindKey");
constexpr int kStoredTerms = 10;

} // namespace

void LoadTextFindSettings(IniStore& ini, RecentTerms& terms)
{
    terms.text = ini.ReadIniValue(kSection, kKey).toText();
    for (int i = kStoredTerms - 1; i >= 0; --i)
        terms.list.prepend(ini.ReadIniValue(kSection, kKey + QString::number(i + 1)).toText());
}

void SaveTextFindSettings(IniStore& ini, const RecentTerms& terms)
{
    ini.WriteIniValue(kSection, kKey, terms.text);
    for (qsizetype i = 0; i < terms.list.size(); ++i)
        ini.WriteIniValue(kSection, kKey + QString::number(i + 1), terms.list[i]);
}
