#pragma once
// The term search dialog "用語の検索": finds a term in the viewer's text and turns the
// viewer to the page it stands on, forwards page by page as reading lays the pages out,
// backwards along the pages already shown. Keeps the last ten terms (section TextFind).
// The browser window calls Finder for anchor jumps and, like the library, runs one forward
// search after a load when its check box asks for it.
#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "settings/TextFindSettings.h"

class Form1;
class IniStore;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class ViewerCommandsWindow;

class Form5 : public QWidget {
    Q_OBJECT
public:
    // viewer: the viewer window; commands: the same window as the commands see it (the
    // silent page step runs on it); ini: where the recent terms are kept. All outlive this.
    Form5(Form1& viewer, ViewerCommandsWindow& commands, IniStore& ini, QWidget* parent = nullptr);

    static QString Caption();
    static constexpr int kMaxTerms = 10;

    // 0 forwards, 1 backwards, 2 and 3 close.
    void Command1_Click(int Index);
    // Puts the term in the box on top of the recent list (once, at most ten kept).
    void ComboAdd(const QString& Str);
    // Searches for Str as buttons 0 (forwards) and 1 (backwards) do, without recording it;
    // found tells whether it was there. Returns 0.
    int32_t Finder(int Index, const QString& Str, bool& found);
    int32_t Finder(int Index, const QString& Str);

    // Writes the recent terms (section TextFind); also done when the dialog closes.
    void SaveTextFindSettings();
    bool Searching() const { return searching_; }

    QComboBox& Combo1() { return *combo_; }
    QPushButton& Command1(int index) { return *buttons_.at(size_t(index)); }
    QLabel& Label1(int index) { return *labels_.at(size_t(index)); }
    QCheckBox& Check1(int index) { return *checks_.at(size_t(index)); }

private:
    void CreateControls();
    void Form_Load();
    void Form_Unload();
    bool Search(int Index, const QString& term);
    bool SearchForward(const QString& term);
    bool SearchBackward(const QString& term);
    void SetBusy(bool busy);
    // Every tenth of a second of a long walk: the status shows where it is and the windows
    // handle their events.
    void ReportProgress(int32_t pageStart, int32_t found, const QString& prefix);
    RecentTerms Terms() const;

    Form1& viewer_;
    ViewerCommandsWindow& commands_;
    IniStore& ini_;
    QComboBox* combo_ = nullptr;
    std::array<QPushButton*, 4> buttons_{};
    std::array<QLabel*, 2> labels_{};
    std::array<QCheckBox*, 2> checks_{};
    bool searching_ = false;
    QElapsedTimer sinceReport_;
};
