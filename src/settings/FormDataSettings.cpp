#include "settings/FormDataSettings.h"

#include <QString>
#include <QStringList>
#include <algorithm>

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

// How much of a window must show for the user to grab it and drag it back.
constexpr int64_t kGripTwips = 1000;

struct Box {
    int64_t left, top, width, height;
    int64_t right() const { return left + width; }
    int64_t bottom() const { return top + height; }
};

Box BoxOf(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

int64_t Overlap(int64_t a0, int64_t a1, int64_t b0, int64_t b1) { return std::max<int64_t>(0, std::min(a1, b1) - std::max(a0, b0)); }

// Distance from the window's centre to the screen (0 inside it).
int64_t Distance(const Box& w, const Box& s)
{
    const int64_t cx = w.left + w.width / 2;
    const int64_t cy = w.top + w.height / 2;
    const int64_t dx = cx < s.left ? s.left - cx : cx > s.right() ? cx - s.right() : 0;
    const int64_t dy = cy < s.top ? s.top - cy : cy > s.bottom() ? cy - s.bottom() : 0;
    return std::max(dx, dy);
}

// The screen the window is on: the one it overlaps most, else the nearest.
Box HomeScreen(const Box& w, const QList<QRect>& screens)
{
    Box best = BoxOf(screens.front());
    int64_t bestArea = -1;
    int64_t bestDistance = INT64_MAX;
    for (const QRect& r : screens) {
        const Box s = BoxOf(r);
        const int64_t area = Overlap(w.left, w.right(), s.left, s.right()) * Overlap(w.top, w.bottom(), s.top, s.bottom());
        const int64_t d = Distance(w, s);
        if (area > bestArea || (area == 0 && bestArea == 0 && d < bestDistance)) {
            best = s;
            bestArea = area;
            bestDistance = d;
        }
    }
    return best;
}

bool ShowsGrip(const Box& w, const QList<QRect>& screens)
{
    for (const QRect& r : screens) {
        const Box s = BoxOf(r);
        if (Overlap(w.left, w.right(), s.left, s.right()) >= std::min(w.width, kGripTwips)
            && Overlap(w.top, w.bottom(), s.top, s.bottom()) >= std::min(w.height, kGripTwips))
            return true;
    }
    return false;
}

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

void SaveFormDataSettings(IniStore& ini, const FormGeometry& window, const ViewerState& viewer,
                          bool savePosition)
{
    IniStore::Batch save(ini); // one write of the file for the whole section
    Write(ini, "FormL", Decimal(window.Left));
    Write(ini, "FormT", Decimal(window.Top));
    Write(ini, "FormW", Decimal(window.Width));
    Write(ini, "FormH", Decimal(window.Height));
    Write(ini, "MessageSpeed", Decimal(viewer.MessageSpeed));
    Write(ini, "ReturnMushi", viewer.ReturnMushi ? QStringLiteral("True") : QStringLiteral("False"));
    if (!savePosition)
        return;
    Write(ini, "RirekiLen", Decimal(viewer.PageStartList.size()));
    Write(ini, "Rireki", viewer.PageStartList);
    Write(ini, "Textlength", Decimal(viewer.ReadPosition));
}

FormGeometry ClampToScreens(const FormGeometry& window, const QList<QRect>& screens, int32_t minimum)
{
    Box w{window.Left, window.Top, std::max<int64_t>(window.Width, minimum), std::max<int64_t>(window.Height, minimum)};
    if (screens.isEmpty())
        return {window.Left, window.Top, int32_t(std::min<int64_t>(w.width, INT32_MAX)),
                int32_t(std::min<int64_t>(w.height, INT32_MAX))};
    const Box home = HomeScreen(w, screens);
    w.width = std::max<int64_t>(minimum, std::min(w.width, home.width));
    w.height = std::max<int64_t>(minimum, std::min(w.height, home.height));
    if (!ShowsGrip(w, screens)) {
        w.left = std::clamp(w.left, home.left, std::max(home.left, home.right() - w.width));
        w.top = std::clamp(w.top, home.top, std::max(home.top, home.bottom() - w.height));
    }
    return {int32_t(w.left), int32_t(w.top), int32_t(w.width), int32_t(w.height)};
}

void ClampReadingPosition(ViewerState& viewer)
{
    const int64_t end = int64_t(viewer.CurrentText.size()) + 1;
    if (viewer.ReadPosition < 1 || viewer.ReadPosition > end)
        viewer.ReadPosition = 1;
    // The list is newest first: walk it from the oldest entry, keeping what moves forward.
    const QStringList entries = viewer.PageStartList.split(u',');
    QStringList kept;
    int64_t last = 0;
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        bool ok = false;
        const qlonglong n = it->trimmed().toLongLong(&ok);
        if (ok && n > last && n <= end) {
            kept.prepend(QString::number(n));
            last = n;
        }
    }
    viewer.PageStartList = kept.isEmpty() ? QStringLiteral("1") : kept.join(u',');
}
