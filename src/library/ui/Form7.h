#pragma once
// The URL macro dialog "ﾏｸﾛ": runs macro.csv (each URL fetched and saved in the library
// under its title), opens the program folder and the macro file with the desktop's
// applications. The run shows the line it is on and, at the end, what was saved and what
// failed.
#include <QWidget>
#include <array>

class Form1;
class Form6;
class MacroPageSource;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class Form7 : public QWidget {
    Q_OBJECT
public:
    // library: saves each page; pages: the browser's fetch. All outlive this.
    Form7(Form1& viewer, Form6& library, MacroPageSource& pages, QWidget* parent = nullptr);

    static QString Caption();

    void Command1_Click();
    void Macro_Fila_Save();
    // 0 opens the program folder, 1 the macro file (created empty first).
    void Command2_Click(int Index);

    QPushButton& Command1() { return *run_; }
    QPushButton& Command2(int index) { return *open_.at(size_t(index)); }
    QLabel& Label1() { return *instructions_; }
    // Where the run is, then its summary.
    QLabel& Label2() { return *status_; }
    // One line per entry of the last run.
    QPlainTextEdit& Report() { return *report_; }

private:
    void CreateControls();
    void OpenWithDesktop(const QString& path);

    Form1& viewer_;
    Form6& library_;
    MacroPageSource& pages_;
    QPushButton* run_ = nullptr;
    std::array<QPushButton*, 2> open_{};
    QLabel* instructions_ = nullptr;
    QLabel* status_ = nullptr;
    QPlainTextEdit* report_ = nullptr;
};
