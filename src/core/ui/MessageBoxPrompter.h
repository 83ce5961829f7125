#pragma once
#include "core/Prompter.h"

class QWidget;

// Asks with modal message boxes whose buttons carry Japanese captions.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    bool askYesNo(const QString& text, const QString& title) override;
    bool askOkCancel(const QString& text, const QString& title) override;
    void inform(const QString& text, const QString& title) override;

private:
    QWidget* parent_;
};
