#pragma once
// The display settings dialog ("Setting"): colour scheme and the colour components of the
// two colour-change schemes, font name, size, bold and italic, window opacity, background
// transparency, the idle seconds after which the viewer hides, the button of the hotkey
// dialog and the help text of the viewer's keys. Its controls are the live settings: every
// change is applied to the viewer at once. Section TextView is read into the controls when
// the dialog loads and written from them when it unloads.
//
// A plain widget: a child of the main frame when there is one, a window of its own
// otherwise. Closing it unloads it (hides it); showing it again loads it anew.
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "settings/IniStore.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
class Prompter;
class ViewerDisplay;
struct ViewerState;

class Form2 : public QWidget {
    Q_OBJECT
public:
    struct Shared {
        ViewerState& viewer;
        ViewerDisplay& display;
        IniStore& settings;
        Prompter& prompter;               // tells the user a save that failed
        std::function<void()> showForm4; // the hotkey dialog, modeless
    };

    explicit Form2(const Shared& shared, QWidget* parent = nullptr);
    ~Form2() override;

    static QString Caption();
    static QString HelpText(); // the lines of Text1, each ended by CR LF
    static constexpr int kLowestFontSize = 1;
    static constexpr int kHighestFontSize = 72;

    // --- lifecycle
    void Form_Load();
    // Writes TextView; false (the dialog stays) while the viewer's start-up runs.
    bool Form_Unload();
    void Timer1_Timer();
    bool Loaded() const { return loaded_; }
    // Loads the dialog when it is not loaded, then shows and raises it.
    void ShowForm();

    // --- procedures other windows call
    void Check1_Click();
    void Check2_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void List1_Select(const QString& name);
    void Option1_Click(int index);
    int Option1_Click_Check() const;
    void Option1_NoRedraw();
    void Option1_Click_NoRedraw(int index);
    void rgbtext_Change(int index);
    void rgbtext_Change_NoRedraw(int index);

    // --- handlers of the dialog's own controls
    void Combo1_Change();
    void List1_Click();
    void Command1_Click();
    // Switches an option button on as a stored setting does: its click runs even when it
    // is on already.
    void SetOption1(int index);

    // --- controls
    QRadioButton& Option1(int index) { return *option1_.at(index); }
    QLineEdit& rgbtext(int index) { return *rgbtext_.at(index); }
    QCheckBox& Check1(int index) { return *check1_.at(index); }
    QCheckBox& Check2() { return *check2_; }
    QScrollBar& HScroll1() { return *hScroll1_; }
    QScrollBar& HScroll2() { return *hScroll2_; }
    QComboBox& Combo1() { return *combo1_; }
    QListWidget& List1() { return *list1_; }
    QLabel& Label1(int index) { return *label1_.at(index); }
    QLabel& Label2() { return *label2_; }
    QPushButton& Command1() { return *command1_; }
    QPlainTextEdit& Text1() { return *text1_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void SetTabOrder();
    void ResetToDesign();
    void FillFontList();
    void ApplyFont(const std::function<void(QFont&)>& change);

    Shared shared_;
    std::array<QRadioButton*, 4> option1_{};
    std::array<QLineEdit*, 4> rgbtext_{};
    std::array<QCheckBox*, 2> check1_{};
    std::array<QLabel*, 4> label1_{};
    QCheckBox* check2_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    QScrollBar* hScroll2_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QListWidget* list1_ = nullptr;
    QLabel* label2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    QTimer* timer1_ = nullptr;
    int16_t CurrentScheme_ = 0;
    bool loaded_ = false;
};
