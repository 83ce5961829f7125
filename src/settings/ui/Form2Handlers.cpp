// The display settings dialog's handlers: each applies its control to the viewer at once.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

#include "core/Notation.h"
#include "settings/ui/Form2.h"
#include "settings/ui/ViewerDisplay.h"
#include "state/ViewerState.h"

namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

// One colour component typed into a field: to the nearest integer, above 255 as 255;
// nothing when it is negative.
std::optional<Colour> Component(double value)
{
    const int64_t n = notation::RoundHalfEven(value);
    if (n < 0)
        return std::nullopt;
    return Colour(std::min<int64_t>(n, 255));
}

std::optional<Colour> Rgb(double r, double g, double b)
{
    const std::optional<Colour> cr = Component(r), cg = Component(g), cb = Component(b);
    if (!cr || !cg || !cb)
        return std::nullopt;
    return *cr | (*cg << 8) | (*cb << 16);
}

} // namespace

void Form2::SetOption1(int index)
{
    if (index < 0 || index >= int(option1_.size()))
        return;
    if (option1_[index]->isChecked())
        Option1_Click(index);
    else
        option1_[index]->setChecked(true); // fires Option1_Click
}

int Form2::Option1_Click_Check() const
{
    for (int i = 0; i < int(option1_.size()); ++i)
        if (option1_[i]->isChecked())
            return i;
    return 0;
}

void Form2::Option1_Click(int index)
{
    Option1_Click_NoRedraw(index);
    Colour text = shared_.display.CanvasSurface().ForeColor();
    int32_t mode = 99;
    shared_.display.Irohenge(text, mode);
    shared_.display.CanvasSurface().Refresh();
    Check2_Click();
    shared_.display.FormRedraw();
}

void Form2::Option1_NoRedraw()
{
    Option1_Click_NoRedraw(CurrentScheme_);
    Colour text = shared_.display.CanvasSurface().ForeColor();
    int32_t mode = 99;
    shared_.display.Irohenge(text, mode);
}

void Form2::Option1_Click_NoRedraw(int index)
{
    ViewerState& v = shared_.viewer;
    Surface& canvas = shared_.display.CanvasSurface();
    Surface& buffer = shared_.display.PageBufferSurface();
    if (index == 0 || index == 1) {
        v.BackColour = index == 0 ? kBlack : kWhite;
        v.TextColour = index == 0 ? kWhite : kBlack;
        canvas.setBackColor(v.BackColour);
        canvas.setForeColor(v.TextColour);
        v.ColourStack[0] = canvas.ForeColor();
        buffer.setForeColor(canvas.ForeColor());
        for (QLineEdit* field : rgbtext_)
            field->setEnabled(false);
        v.ShadowShift = index == 0 ? -1 : 1;
    } else if (index == 2 || index == 3) {
        Option1_Click_NoRedraw(1);
        for (QLineEdit* field : rgbtext_)
            field->setEnabled(true);
        rgbtext_Change_NoRedraw(0);
        v.ShadowShift = index == 2 ? -1 : 1;
        buffer.setForeColor(canvas.ForeColor());
        v.BackColour = canvas.BackColor();
        v.TextColour = canvas.ForeColor();
    }
    CurrentScheme_ = int16_t(index);
    v.ShadowColour = 0; // recomputed at its next use
}

void Form2::rgbtext_Change(int index)
{
    rgbtext_Change_NoRedraw(index);
    shared_.display.FormRedraw();
}

void Form2::rgbtext_Change_NoRedraw(int /*index*/)
{
    const bool dark = option1_[2]->isChecked();
    if (!dark && !option1_[3]->isChecked())
        return;
    const double d = notation::Val(rgbtext_[3]->text());
    const double r = notation::Val(rgbtext_[0]->text());
    const double g = notation::Val(rgbtext_[1]->text());
    const double b = notation::Val(rgbtext_[2]->text());
    Surface& canvas = shared_.display.CanvasSurface();
    // The typed colour, and the same colour lighter by the density.
    const std::optional<Colour> typed = Rgb(r, g, b);
    const std::optional<Colour> lighter = Rgb(r + d, g + d, b + d);
    if (const std::optional<Colour>& back = dark ? typed : lighter)
        canvas.setBackColor(*back);
    if (const std::optional<Colour>& text = dark ? lighter : typed)
        canvas.setForeColor(*text);
    ViewerState& v = shared_.viewer;
    shared_.display.PageBufferSurface().setForeColor(canvas.ForeColor());
    v.BackColour = canvas.BackColor();
    v.TextColour = canvas.ForeColor();
    v.ShadowColour = 0;
    Check2_Click();
}

void Form2::ApplyFont(const std::function<void(QFont&)>& change)
{
    for (Surface* s : {&shared_.display.CanvasSurface(), &shared_.display.PageBufferSurface()}) {
        QFont font = s->font();
        change(font);
        s->setFont(font);
    }
}

void Form2::Check1_Click()
{
    const bool bold = check1_[0]->isChecked();
    const bool italic = check1_[1]->isChecked();
    ApplyFont([&](QFont& f) {
        f.setBold(bold);
        f.setItalic(italic);
    });
    shared_.display.FormRedraw();
}

void Form2::Combo1_Change()
{
    shared_.display.CanvasSurface().Cls();
    // A size outside the list's range would leave no room for a page: it is not applied.
    const double size = notation::Val(combo1_->currentText());
    if (size >= kLowestFontSize && size <= kHighestFontSize)
        ApplyFont([&](QFont& f) { f.setPointSizeF(size); });
    shared_.display.FormRedraw();
}

void Form2::List1_Click()
{
    if (list1_->count() == 0)
        return;
    if (list1_->currentRow() < 0) {
        list1_->setCurrentRow(0); // runs this handler for entry 0
        return;
    }
    shared_.display.CanvasSurface().Cls();
    const QString name = list1_->currentItem()->text();
    ApplyFont([&](QFont& f) { f.setFamily(name); });
    Check1_Click();
    shared_.display.FormRedraw();
}

void Form2::List1_Select(const QString& name)
{
    for (int i = 0; i < list1_->count(); ++i) {
        if (list1_->item(i)->text() == name) {
            list1_->setCurrentRow(i);
            return;
        }
    }
}

void Form2::HScroll1_Change()
{
    shared_.viewer.Alfa = hScroll1_->value();
    // While the background is keyed out the window stays opaque; the opacity comes back
    // when the key goes off.
    if (check2_->isChecked())
        return;
    shared_.display.SetWindowAlpha(notation::ToInt32(shared_.viewer.Alfa / 100.0 * 255));
}

void Form2::HScroll2_Change()
{
    label1_[3]->setText(QStringLiteral("自動的に消える秒数(0は無限):") + QString::number(hScroll2_->value())
                        + QStringLiteral("秒"));
    shared_.viewer.IdleTimer[1] = hScroll2_->value();
}

void Form2::Check2_Click()
{
    ViewerState& v = shared_.viewer;
    v.BackTouka = check2_->isChecked();
    shared_.display.PageBufferSurface().setBackColor(shared_.display.CanvasSurface().BackColor());
    shared_.display.SetColourKeyTransparency(v.BackTouka);
    if (v.BackTouka)
        shared_.display.SetWindowAlpha(255);
    else
        HScroll1_Change();
}
