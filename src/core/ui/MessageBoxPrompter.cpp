#include "core/ui/MessageBoxPrompter.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

// Two buttons with our own captions; the first is the default and the affirmative answer.
bool AskTwo(QWidget* parent, const QString& text, const QString& title, const QString& yes,
            const QString& no, QMessageBox::ButtonRole noRole)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton* noButton = box.addButton(no, noRole);
    box.setDefaultButton(yesButton);
    box.setEscapeButton(noButton);
    box.exec();
    return box.clickedButton() == yesButton;
}

} // namespace

bool MessageBoxPrompter::askYesNo(const QString& text, const QString& title)
{
    return AskTwo(parent_, text, title, QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"),
                  QMessageBox::RejectRole);
}

bool MessageBoxPrompter::askOkCancel(const QString& text, const QString& title)
{
    return AskTwo(parent_, text, title, QStringLiteral("OK"), QStringLiteral("キャンセル"),
                  QMessageBox::RejectRole);
}

void MessageBoxPrompter::inform(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::NoButton, parent_);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}
