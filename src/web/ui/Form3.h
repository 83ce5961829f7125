#pragma once
// The browser window "URLリスト呼んだ順": the address box and the buttons that load, reload
// and re-convert pages and walk the page history, the list of link URLs the viewer has
// printed, and the status label where the converter shows its progress. A page is never
// shown here: after a fetch the viewer types the new text.
#include <QWidget>
#include <array>
#include <cstdint>

#include "web/FetchOutcome.h"

class BrowserHost;
class Prompter;
class ProgramPaths;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QFrame;
class QTimer;
struct PageHistory;
struct PageRecord;
struct ViewerState;

class Form3 : public QWidget {
public:
    struct Shared {
        ViewerState& viewer;
        PageRecord& page;
        PageHistory& history;
        const ProgramPaths& paths;
        Prompter& prompter;
        BrowserHost& host;
    };

    explicit Form3(const Shared& shared, QWidget* parent = nullptr);
    ~Form3() override;

    void Form3_listLoad();
    // Loads url as if typed and confirmed with go (the viewer's link clicks).
    void URLAttack_Command2_Click(const QString& url);
    // Loads url through the go command and returns how it went once it is over; events run
    // meanwhile. For callers that fetch page after page (the URL macro).
    FetchOutcome FetchAndWait(const QString& url);
    const FetchOutcome& LastFetchOutcome() const { return lastOutcome_; }
    // Puts a URL in the address box without loading it.
    void SetAddress(const QString& url);
    bool CanGoBack() const;
    bool CanGoForward() const;

    // The controls' handlers, called by the controls and by the rest of the program.
    void Command2_Click();        // go
    void Command6_Click();        // reload without a history entry
    void Command4_Click();        // re-convert the stored page
    void Command3_Click(int index); // 0 back, 1 forward
    void Command7_Click();        // clear the history
    void Command5_Click();        // clear the URL list
    void Command1_Click();        // copy the selected URL
    void Timer1_Timer();
    void List1_Click();
    void List1_KeyDown();
    void Text1_DblClick();

    QLineEdit& Text1() { return *text1_; }
    QPushButton& Command2() { return *command2_; }
    QPushButton& Command3(int index) { return *command3_[size_t(index)]; }
    QListWidget& List1() { return *list1_; }
    QLabel& Label1() { return *label1_; }
    QFrame& Picture1() { return *picture1_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Connect();
    void Go(bool withPanels);
    void JumpToAnchor(const QString& name);
    void AfterNewText();
    void FetchAndConvert();
    void ConvertCurrentText();
    void SetBackForwardState();
    void SetBusy(bool busy, bool withPanels);

    Shared s_;
    QLineEdit* text1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command6_ = nullptr;
    QPushButton* command4_ = nullptr;
    std::array<QPushButton*, 2> command3_{};
    QPushButton* command7_ = nullptr;
    QListWidget* list1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command5_ = nullptr;
    QLabel* label1_ = nullptr;
    QFrame* picture1_ = nullptr;
    QTimer* timer1_ = nullptr;
    int32_t ListedUrlCount = 0;
    bool fetching_ = false;
    FetchOutcome lastOutcome_;
};
