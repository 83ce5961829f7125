#include "viewer/ui/ViewerDrop.h"

#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "core/LineBreaks.h"
#include "state/ViewerState.h"
#include "viewer/ui/ViewerCommands.h"

std::optional<QString> DroppedPlainText(const QMimeData& data)
{
    if (!data.hasText())
        return std::nullopt;
    const QList<QUrl> urls = data.urls();
    if (!urls.isEmpty() && std::all_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); }))
        return std::nullopt;
    return ToCrLf(data.text());
}

void Form_OLEDragDrop(ViewerCommands& commands, ViewerState& viewer, const QString& text,
                      int16_t Shift)
{
    viewer.DroppedText = ToCrLf(text);
    commands.Picture1_KeyDown(0, Shift == 2 ? 86 : 66, 2);
}

void Form_OLEDragDrop(ViewerCommands& commands, ViewerState& viewer, const QMimeData& data,
                      int16_t Shift)
{
    if (const std::optional<QString> text = DroppedPlainText(data))
        Form_OLEDragDrop(commands, viewer, *text, Shift);
}
