#pragma once
// The saved text library dialog "テキスト保存": saves the current document under a name,
// lists, previews, loads, renames and deletes entries (files in Save/Clip/). While the URL
// macro runs, saving asks nothing and reports a failure to the macro instead of the user.
#include <QWidget>
#include <array>
#include <functional>

#include "library/SavedTextLibrary.h"

class Form1;
class Form5;
class IniStore;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class Form6 : public QWidget {
    Q_OBJECT
public:
    // viewer: the viewer window and, through it, the document, history, paths and questions;
    // search: the term search, run once after a load when its first check box is ticked.
    Form6(Form1& viewer, Form5& search, IniStore& ini, QWidget* parent = nullptr);

    static QString Caption();

    // 0 save, 1 load, 2 delete, 3 rename.
    void Command1_Click(int Index);
    // The save command: what button 0 does, with its outcome for the URL macro.
    LibraryResult SaveCommand();
    void List1_Click();

    // Re-applies the display colour scheme without redrawing, before a loaded text is shown
    // (the display settings dialog provides it; nothing happens while it is not set).
    void SetOption1_NoRedraw(std::function<void()> apply) { Option1_NoRedraw_ = std::move(apply); }
    // True while the URL macro runs: saving asks no question.
    bool MacroRunning = false;

    // Writes the name in Text1 (section Favorite).
    void SaveFavoriteSettings();

    QListWidget& List1() { return *list_; }
    QLineEdit& Text1() { return *text1_; }
    QPlainTextEdit& Text2() { return *text2_; }
    QLineEdit& Text3() { return *text3_; }
    QPushButton& Command1(int index) { return *buttons_.at(size_t(index)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Form_Load();
    void Load();
    void Delete();
    void Rename();
    bool Ask(const QString& question);
    void Tell(const LibraryResult& result);
    int IndexOf(const QString& name) const;

    Form1& viewer_;
    Form5& search_;
    IniStore& ini_;
    QListWidget* list_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    std::array<QPushButton*, 4> buttons_{};
    std::function<void()> Option1_NoRedraw_;
};
