#pragma once
// The viewer window: a borderless window that shows the current text page by page on its
// own surface, typing each page out with its timers. It owns the per-window layout state,
// the page buffer for the page-turn animations, the button bar and the renderers; the
// program-wide state, the page record and history belong to the application object and are
// handed in by reference.
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "core/FileProblems.h"
#include "core/Surface.h"
#include "settings/FormDataSettings.h"
#include "viewer/CharacterRenderer.h"
#include "viewer/RendererHost.h"
#include "viewer/StatusRenderer.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"

class ButtonBar;
class Form1Hooks;
class IniStore;
struct PageHistory;
class Prompter;
class ProgramPaths;
class QLabel;
class QPushButton;
class SingleInstanceLock;
class ViewerInput;
class WindowEffects;
struct PageRecord;

class Form1 : public QWidget, public RendererHost {
    Q_OBJECT
public:
    // What the viewer works on; everything outlives the window.
    struct Shared {
        ViewerState& viewer;
        PageRecord& page;
        PageHistory& history;
        const ProgramPaths& paths;
        IniStore& settings;
        Prompter& prompter;
        WindowEffects& effects;
        Form1Hooks& hooks;
    };

    explicit Form1(const Shared& shared, QWidget* parent = nullptr);
    ~Form1() override;

    static QString Caption();
    static constexpr int kClientWidthTwips = 8865;
    static constexpr int kClientHeightTwips = 2295;
    static constexpr int kMinimumTwips = 1000;

    // --- start-up and close
    // Runs the start-up; false when the program must end at once (another reader runs).
    bool Form_Load(const QString& commandLine);
    void Form_Resize();
    // Saves the document, history and settings and closes the window (once).
    void Form_Unload();
    bool FirstRun() const { return firstRun_; }
    // A later start asked for the viewer: shown (with the fade) if hidden, and raised.
    void BringBack();
    bool Unloaded() const { return unloaded_; }
    // A stored file that could not be read or written: on the status line while the viewer
    // runs; during the unload it joins the exit report, shown once in a message box before
    // the program ends.
    void ReportFileProblem(const FileProblem& problem);
    // Every file the unload could not save (empty when all was kept).
    const FileProblems& ExitReport() const { return exitReport_; }

    // --- display modes and timers
    void Timer1_Timer(); // typing
    void Timer2_Timer(); // old page scrolled away
    void Timer3_Timer(); // new page revealed
    void Timer4_Timer(); // quit from the tray
    void Timer5_Timer(); // bottom-to-top scroll
    void Timer6_Timer(); // idle seconds, auto-hide, status refresh
    void Timer7_Timer(); // button bar follows the browser
    void Timer8_Timer(); // quit from the main frame
    void Scroll_start(int32_t direction);
    void scroll_animeprint();
    void Shunkan_Hyouji();
    void Scroll_ShitakaraUe();
    void FormRedraw();
    void FormHihyouji();
    void Timer6_kiru();
    void Picture3_Visible(bool wanted);
    void Command1_Click(int index);

    // Timers by their number (1..8); other numbers give Timer1.
    QTimer& Timer(int number);
    bool TimerEnabled(int number) { return Timer(number).isActive(); }
    void SetTimerEnabled(int number, bool on);

    // RendererHost: the character renderer switches typing off at a page end.
    bool Timer1Enabled() const override;
    void SetTimer1Enabled(bool on) override;

    // --- renderers, on Canvas
    void Hitomoji_Print() { renderer_.Hitomoji_Print(); }
    void Irohenge(uint32_t& colour, int32_t& flag) { renderer_.Irohenge(colour, flag); }
    void line_print() { status_.line_print(); }
    void line_print_mojisuu() { status_.line_print_mojisuu(); }
    void line_print_Color() { status_.line_print_Color(); }
    void mojiretsu_kagehyouji(const QString& text, int32_t offset, int32_t x, int32_t y)
    {
        status_.mojiretsu_kagehyouji(text, offset, x, y);
    }

    // --- the command interface and where the window's input goes
    void Picture1_KeyDown(int16_t KeyCode, int16_t Shift);
    // Plugs in the key and mouse handling (null: only Esc, which quits). Not owned.
    void SetInput(ViewerInput* input);
    ViewerInput& Input();

    // --- window effects
    void SetWindowAlpha(int32_t level);
    void SetAlwaysOnTop(bool onTop);
    // With the key on, every pixel in the surface's back colour is painted fully transparent
    // (the window opacity is the caller's to set: fully opaque while the key is on).
    void SetColourKeyTransparency(bool on);
    bool ColourKeyTransparency() const { return colourKey_; }

    // --- geometry in twips (what Setting.ini stores)
    FormGeometry GeometryTwips() const;
    void SetGeometryTwips(const FormGeometry& g);
    double TwipsPerPixel() const { return surface_.twipsPerPixel(); }

    // --- state and parts
    ViewerState& Viewer() { return viewer_; }
    ViewerPageState& Page() { return page_; }
    PageRecord& Record() { return shared_.page; }
    PageHistory& History() { return shared_.history; }
    const ProgramPaths& Paths() const { return shared_.paths; }
    Prompter& Prompts() { return shared_.prompter; }
    Form1Hooks& Hooks() { return shared_.hooks; }
    Surface& CanvasSurface() { return surface_; } // the window's own surface
    Surface& PageBufferSurface() { return pageBuffer_; } // Picture1(0)
    ButtonBar& Picture3() { return *buttonBar_; }
    QPushButton& Command1(int index);
    QLabel& FormToolTipText() { return *toolTip_; }
    CharacterRenderer& Renderer() { return renderer_; }
    StatusRenderer& Status() { return status_; }

    // The pauses of the fades and the button bar (default: sleep) and the millisecond clock
    // of the animation pace (default: since the window was made); tests step them by hand.
    void SetPause(std::function<void(int ms)> pause) { pause_ = std::move(pause); }
    void SetClock(std::function<double()> clock) { clock_ = std::move(clock); }
    double Clock() const { return clock_(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The text area of an animation, in the surface's current unit.
    struct Metrics {
        double sw = 0;     // width of "▼" and the margin
        double lh = 0;     // line height and the margin
        double right = 0;  // the text area ends here ...
        double bottom = 0; // ... and here; the status line below it never moves
    };
    Metrics AreaMetrics(const Surface& s, double extra) const;

    void CreateTimers();
    void CreateControls();
    bool PassThrottle();
    void TypeCharacters();
    void HandOverToScroll();
    void LayOutWholePage(Surface& canvas);
    void RedrawFromPageStart();
    void StartupReadDataFolder();
    void StartupRestoreDocument();
    void StartupRestoreWindow();
    void StartupFinish();
    void ShowExitReport();
    void FadeTo(bool showing);
    void Pause(int ms) { pause_(ms); }
    double Point(double px) const; // window pixels to twips
    void RouteMouse(QMouseEvent* event, int kind);

    Shared shared_;
    ViewerState& viewer_;
    ViewerPageState page_;
    Surface surface_;
    Surface pageBuffer_;
    StatusRenderer status_;
    CharacterRenderer renderer_;
    std::array<QTimer*, 8> timers_{};
    ButtonBar* buttonBar_ = nullptr;
    QLabel* toolTip_ = nullptr;
    std::unique_ptr<ViewerInput> quitKeys_;
    ViewerInput* input_ = nullptr;
    std::unique_ptr<SingleInstanceLock> lock_;
    FileProblems exitReport_;
    QElapsedTimer sinceCreated_;
    std::function<void(int)> pause_;
    std::function<double()> clock_;
    bool firstRun_ = false;
    bool unloading_ = false;
    bool unloaded_ = false;
    bool colourKey_ = false;
    bool loaded_ = false;            // start-up went past the single-instance check
    bool startupPageReady_ = false;  // the first page has been laid out
    bool firstPageReported_ = false;
};
