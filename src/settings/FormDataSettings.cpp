#include "settings/FormDataSettings.h"

#include <QString>

#include "core/Notation.h"
#include "settings/IniStore.h"
#include "state/ViewerState.h"

namespace {

const QString kSection = QStringLiteral("FormData");

int32_t NumberOr(IniStore& ini, const char* key, int32_t current)
{
    return notation::ToInt32(ini.ReadIniNumberOr(kSection, QString::fromLatin1(key), current));
}

void Write(IniStore& ini, const char* key, const QString& value)
{
    ini.WriteIniValue(kSection, QString::fromLatin1(key), value);
}

QString Decimal(int64_t n) { return QString::number(n); }

} // namespace

void LoadFormDataSettings(IniStore& ini, FormGeometry& window, ViewerState& viewer)
{
    window.Left = NumberOr(ini, "FormL", 0);
    window.Top = NumberOr(ini, "FormT", 0);
    window.Width = NumberOr(ini, "FormW", window.Width);
    window.Height = NumberOr(ini, "FormH", window.Height);
    viewer.MessageSpeed = NumberOr(ini, "MessageSpeed", viewer.MessageSpeed);
    viewer.ReturnMushi = ini.ReadIniFlag(kSection, QStringLiteral("ReturnMushi")).toBool();
    // The list can outgrow the default read, so its saved length sizes the read.
    const double length = ini.ReadIniNumber(kSection, QStringLiteral("RirekiLen"));
    viewer.PageStartList =
        ini.ReadIniText(kSection, QStringLiteral("Rireki"), notation::ToInt32(length + 2)).toText();
    viewer.ReadPosition = NumberOr(ini, "Textlength", viewer.ReadPosition);
}

void SaveFormDataSettings(IniStore& ini, const FormGeometry& window, const ViewerState& viewer)
{
    IniStore::Batch save(ini); // one write of the file for the whole section
    Write(ini, "FormL", Decimal(window.Left));
    Write(ini, "FormT", Decimal(window.Top));
    Write(ini, "FormW", Decimal(window.Width));
    Write(ini, "FormH", Decimal(window.Height));
    Write(ini, "MessageSpeed", Decimal(viewer.MessageSpeed));
    Write(ini, "ReturnMushi", viewer.ReturnMushi ? QStringLiteral("True") : QStringLiteral("False"));
    Write(ini, "RirekiLen", Decimal(viewer.PageStartList.size()));
    Write(ini, "Rireki", viewer.PageStartList);
    Write(ini, "Textlength", Decimal(viewer.ReadPosition));
}
