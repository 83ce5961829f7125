#pragma once
// The questions and notices the reader puts to its user. Windows ask through a Prompter so
// that tests can answer by script; the real one shows message boxes.
#include <QString>

class Prompter {
public:
    virtual ~Prompter() = default;
    // True for Yes.
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    // True for OK.
    virtual bool askOkCancel(const QString& text, const QString& title) = 0;
    virtual void inform(const QString& text, const QString& title) = 0;
};
