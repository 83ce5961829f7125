#pragma once
// Section TextFind of Setting.ini: the term search's recent terms. "FindKey" holds the text in
// the term box, "FindKey1" ... "FindKey10" the list, top entry first.
#include <QString>
#include <QStringList>

class IniStore;

// The term box as the section sees it: its edit text and its list, top entry first.
struct RecentTerms {
    QString text;
    QStringList list;
};

// The text from "FindKey"; then FindKey10 ... FindKey1 each put on top of the list, so the
// list gains exactly ten entries in stored order, missing keys giving empty entries.
void LoadTextFindSettings(IniStore& ini, RecentTerms& terms);
void SaveTextFindSettings(IniStore& ini, const RecentTerms& terms);
