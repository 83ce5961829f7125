#include "web/ClipboardCopy.h"

#include <QClipboard>
#include <QGuiApplication>

#include "web/ClipFiles.h"

void CopyTextToClipboard(const QString& text)
{
    QString plain = ClipboardPlainText(text);
#ifndef Q_OS_WIN
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->clear();
    clipboard->setText(plain);
}
