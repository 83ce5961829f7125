#pragma once
// Section Favorite of Setting.ini: "FavKey", the name of the library entry last chosen.
#include <QString>

class IniStore;

QString LoadFavoriteSettings(IniStore& ini);
void SaveFavoriteSettings(IniStore& ini, const QString& favKey);
