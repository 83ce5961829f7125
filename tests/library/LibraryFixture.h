#pragma once
// The viewer off screen (CommandsFixture) with the term search and library dialogs on it.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "library/ui/Form5.h"
#include "library/ui/Form6.h"
#include "viewer/CommandsFixture.h"

struct LibraryFixture : CommandsFixture {
    std::unique_ptr<Form5> form5 = std::make_unique<Form5>(f(), input->Window(), ini);
    std::unique_ptr<Form6> form6 = std::make_unique<Form6>(f(), *form5, ini);

    ~LibraryFixture()
    {
        form6.reset();
        form5.reset();
    }

    QString status() { return form5->Label1(0).text(); }
    void search(const QString& term, int index)
    {
        form5->Combo1().setEditText(term);
        form5->Command1_Click(index);
        settle();
    }
    // Turns the viewer on by one page, as Down does.
    void nextPage() { press(40, 0); }
    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < form6->List1().count(); ++i)
            names << form6->List1().item(i)->text();
        return names;
    }
    QString clipDir() const { return paths.dataFolder() + QStringLiteral("Clip/"); }
    // The current document as the library saves it.
    void document(const QString& text, const QString& html)
    {
        viewer.CurrentText = text;
        record.PageHtml = html;
        record.PageTitle = html + QStringLiteral(" title");
        folder.write(paths.dataFile(QStringLiteral("clip.html")), html.toUtf8());
        folder.write(paths.dataFile(QStringLiteral("clip.utx")),
                     QStringLiteral("\"u\"\r\n\"b\"\r\n0\r\n#TRUE#\r\n\"r\"\r\n\"%1\"\r\n\"1\"\r\n1\r\n").arg(html).toUtf8());
    }
    void save(const QString& name, bool answer = true)
    {
        form6->Text1().setText(name);
        prompter.queue(answer);
        form6->Command1_Click(0);
    }
};
