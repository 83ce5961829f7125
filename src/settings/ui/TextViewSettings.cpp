#include "settings/ui/TextViewSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <cmath>

#include "core/Notation.h"
#include "settings/ui/Form2.h"

namespace {

const QString kSection = QStringLiteral("TextView");
const char* const kFieldKeys[] = {"R", "G", "B", "Noudo"};

QString Key(const char* name) { return QString::fromLatin1(name); }

// The stored number, or the current value when the key is missing or the number lies
// outside [low, high].
double NumberIn(IniStore& ini, const char* key, int32_t current, double low, double high)
{
    const double n = ini.ReadIniNumberOr(kSection, Key(key), current);
    return n >= low && n <= high ? n : current;
}

void LoadCheckBox(IniStore& ini, const char* key, QCheckBox& box)
{
    box.setChecked(NumberIn(ini, key, box.isChecked() ? 1 : 0, 0, 1) == 1);
}

void LoadScrollBar(IniStore& ini, const char* key, QScrollBar& bar)
{
    // Out of range: the nearest end of the bar.
    const double n = ini.ReadIniNumberOr(kSection, Key(key), bar.value());
    bar.setValue(std::clamp(notation::ToInt32(n), bar.minimum(), bar.maximum()));
}

QString CheckValue(const QCheckBox& box) { return box.isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }

} // namespace

void LoadTextViewSettings(IniStore& ini, Form2& form)
{
    // The fields hold three characters: what does not fit them is not taken.
    for (int i = 0; i < 4; ++i) {
        QLineEdit& field = form.rgbtext(i);
        const int32_t current = notation::ToInt32(notation::Val(field.text()));
        const QString text = notation::NumberText(NumberIn(ini, kFieldKeys[i], current, -99, 999));
        field.setText(text.size() <= field.maxLength() ? text : QString::number(current));
    }
    QComboBox& size = form.Combo1();
    const int32_t currentSize = notation::ToInt32(notation::Val(size.currentText()));
    size.setEditText(notation::NumberText(
        NumberIn(ini, "FontSize", currentSize, Form2::kLowestFontSize, Form2::kHighestFontSize)));
    form.List1_Select(ini.ReadIniValue(kSection, Key("FontName")).toText());
    LoadCheckBox(ini, "FontBold", form.Check1(0));
    LoadCheckBox(ini, "FontItalic", form.Check1(1));
    LoadScrollBar(ini, "Alfa", form.HScroll1());
    LoadScrollBar(ini, "CloseTime", form.HScroll2());
    LoadCheckBox(ini, "BackTouka", form.Check2());
    const int32_t scheme = notation::ToInt32(ini.ReadIniNumberOr(kSection, Key("Iroai"), 0));
    form.SetOption1(scheme >= 0 && scheme <= 3 ? scheme : 0); // another number: scheme 0
}

IniSaveResult SaveTextViewSettings(IniStore& ini, Form2& form)
{
    IniStore::Batch save(ini);
    const auto write = [&](const char* key, const QString& value) { ini.WriteIniValue(kSection, Key(key), value); };
    write("Iroai", QString::number(form.Option1_Click_Check()));
    for (int i = 0; i < 4; ++i)
        write(kFieldKeys[i], form.rgbtext(i).text());
    write("FontSize", form.Combo1().currentText());
    const QListWidgetItem* font = form.List1().currentItem();
    write("FontName", font && font->isSelected() ? font->text() : QString());
    write("FontBold", CheckValue(form.Check1(0)));
    write("FontItalic", CheckValue(form.Check1(1)));
    write("Alfa", QString::number(form.HScroll1().value()));
    write("CloseTime", QString::number(form.HScroll2().value()));
    write("BackTouka", CheckValue(form.Check2()));
    return save.Commit();
}
