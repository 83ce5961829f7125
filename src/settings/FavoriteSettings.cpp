#include "settings/FavoriteSettings.h"

#include "settings/IniStore.h"

namespace {

const QString kSection = QStringLiteral("Favorite");
const QString kKey = QStringLiteral("FavKey");

} // namespace

QString LoadFavoriteSettings(IniStore& ini) { return ini.ReadIniValue(kSection, kKey).toText(); }

void SaveFavoriteSettings(IniStore& ini, const QString& favKey) { ini.WriteIniValue(kSection, kKey, favKey); }
