#pragma once
// The hotkey dialog ("ホットキー"): one row per hotkey slot with its combination and action;
// the user selects a row and presses the new combination in the capture field. While the
// dialog is open the global hotkeys are off, so a pressed combination reaches the field;
// closing it registers all 17 again. A combination that cannot be registered (another
// program holds it) is marked in the list and named under it, so no hotkey goes dead
// without the user knowing.
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <utility>

class GlobalHotkeys;
class IniStore;
class Prompter;
class ProgramPaths;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct HotKeys;
struct ViewerState;

class Form4 : public QWidget {
    Q_OBJECT
public:
    // A key event as the program numbers keys: Windows virtual-key code (0 for a key it
    // does not know) and the state mask 1 Shift, 2 Ctrl, 4 Alt.
    using KeyTranslator = std::function<std::pair<int16_t, int16_t>(const QKeyEvent&)>;

    struct Shared {
        HotKeys& keys;
        IniStore& settings;
        GlobalHotkeys& hotkeys;
        const ProgramPaths& paths; // KeyMap.tbl
        const ViewerState& viewer; // RunMode
        Prompter& prompter;
        KeyTranslator translateKey;
    };

    explicit Form4(const Shared& shared, QWidget* parent = nullptr);
    ~Form4() override;

    static QString Caption();

    void Form_Load();
    void Form_Unload();
    void Command1_Click(int index); // 0 OK, 1 Cancel
    void List1_Click();
    void Text1_KeyDown(int16_t KeyCode, int16_t Shift);
    void Text1_Change();
    void List_index();
    // Loads the dialog when it is not open, then shows and raises it.
    void ShowForm();
    bool Loaded() const { return loaded_; }

    // The row of a slot: modifier words, "+", the key's name, the filler, the action name.
    QString RowText(int slot) const;
    // Slots whose combination could not be registered when last tried.
    bool Refused(int slot) const { return refused_.at(slot); }

    QListWidget& List1() { return *list1_; }
    QLineEdit& Text1() { return *text1_; }
    QPushButton& Command1(int index) { return *command1_.at(index); }
    QLabel& Problem() { return *problem_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Desktop() const; // hotkeys are registered in this run
    void TryRegistering(int slot);
    void ShowProblems();
    void SelectRow(int row);

    Shared shared_;
    QListWidget* list1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    std::array<QPushButton*, 2> command1_{};
    QLabel* problem_ = nullptr;
    bool SkipSave_ = false;
    QString CaptureText_;
    std::array<bool, 17> refused_{};
    bool loaded_ = false;
};
