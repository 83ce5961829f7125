#pragma once
// Stored files that could not be read or written, each with its reason in Japanese, gathered
// while the program works so that the user is told once (at close: one message box naming
// every file, before the program ends).
#include <QList>
#include <QString>

struct FileProblem {
    QString file;   // the file's name as the user knows it ("clip.txt")
    QString reason; // why, in Japanese
};

class FileProblems {
public:
    void add(const QString& file, const QString& reason) { items_.append({file, reason}); }
    void add(const FileProblem& p) { items_.append(p); }
    bool empty() const { return items_.isEmpty(); }
    const QList<FileProblem>& items() const { return items_; }
    void clear() { items_.clear(); }
    // One line per file: "clip.txt: 書き込みが許可されていません。"
    QString lines() const
    {
        QString text;
        for (const FileProblem& p : items_)
            text += p.file + QStringLiteral(": ") + p.reason + u'\n';
        return text;
    }

private:
    QList<FileProblem> items_;
};
