#pragma once
// A Prompter for tests: answers are queued by the test, every question is recorded.
// A question with no queued answer is answered No/Cancel, so an unexpected question
// never lets a destructive command through.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "core/Prompter.h"

class ScriptedPrompter : public Prompter {
public:
    void queue(bool answer) { answers_.push_back(answer); }
    // Runs while a question is open, as if the user acted before answering.
    std::function<void()> whileAsking;

    bool askYesNo(const QString& text, const QString& title) override { return ask(text, title); }
    bool askOkCancel(const QString& text, const QString& title) override { return ask(text, title); }
    void inform(const QString& text, const QString& title) override
    {
        texts.append(text);
        titles.append(title);
    }

    int asked() const { return int(texts.size()); }
    int unanswered() const { return int(answers_.size()); }

    QStringList texts;
    QStringList titles;

private:
    bool ask(const QString& text, const QString& title)
    {
        texts.append(text);
        titles.append(title);
        if (whileAsking)
            whileAsking();
        if (answers_.empty())
            return false;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::deque<bool> answers_;
};
