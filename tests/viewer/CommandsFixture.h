#pragma once
// A real viewer window off screen with the key and mouse commands plugged in: a program
// folder of its own, scripted questions, and a record of what the commands asked of the
// other windows. Animations are run to their end by hand (settle), with a clock that always
// lets the next tick through.
#include <QApplication>
#include <QClipboard>
#include <QStringList>
#include <QTest>
#include <memory>

#include "settings/IniStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/Form1Hooks.h"
#include "viewer/ui/ViewerCommandHost.h"
#include "viewer/ui/ViewerCommandsForm1.h"
#include "viewer/ui/WindowEffects.h"
#include "state/PageHistory.h"
#include "state/PageRecord.h"

// What the commands asked of the other windows, in order.
class RecordingHost : public ViewerCommandHost {
public:
    QStringList calls;
    bool back = false;
    bool forward = false;

    void ShowForm2() override { calls << QStringLiteral("Form2"); }
    void ShowForm3() override { calls << QStringLiteral("Form3"); }
    void ShowForm5() override { calls << QStringLiteral("Form5"); }
    void ShowForm6() override { calls << QStringLiteral("Form6"); }
    void ToggleBackTouka() override { calls << QStringLiteral("BackTouka"); }
    void SetBrowserAddress(const QString& url) override { calls << QStringLiteral("address ") + url; }
    void URLAttack_Command2_Click(const QString& url) override { calls << QStringLiteral("open ") + url; }
    bool BrowserCanGoBack() const override { return back; }
    bool BrowserCanGoForward() const override { return forward; }
};

class RecordingEffects : public WindowEffects {
public:
    QList<bool> onTop;
    void SetWindowAlpha(QWidget&, int32_t) override {}
    void SetAlwaysOnTop(QWidget&, bool on) override { onTop << on; }
};

struct CommandsFixture {
    TempFolder folder;
    ProgramPaths paths = folder.paths();
    ViewerState viewer;
    PageRecord record;
    PageHistory history;
    IniStore ini{paths};
    ScriptedPrompter prompter;
    RecordingEffects effects;
    Form1Hooks hooks;
    RecordingHost host;
    double now = 0;
    std::unique_ptr<Form1> form;
    std::unique_ptr<ViewerCommandsInput> input;

    CommandsFixture()
    {
        form = std::make_unique<Form1>(
            Form1::Shared{viewer, record, history, paths, ini, prompter, effects, hooks});
        form->SetPause([](int) {});
        form->SetClock([this] { return now += 1000; });
        input = std::make_unique<ViewerCommandsInput>(*form, host);
        form->SetInput(input.get());
        form->Form_Load(QStringLiteral("/DEBUG"));
        form->Timer(6).stop();
        form->Timer(7).stop();
        settle();
    }
    ~CommandsFixture()
    {
        form->SetInput(nullptr);
        input.reset();
    }

    Form1& f() { return *form; }
    ViewerPageState& page() { return form->Page(); }

    bool animating() { return f().TimerEnabled(2) || f().TimerEnabled(3) || f().TimerEnabled(5); }

    // Runs typing and every animation to its end.
    void settle()
    {
        for (int guard = 0; guard < 200000; ++guard) {
            if (f().TimerEnabled(2))
                f().Timer2_Timer();
            else if (f().TimerEnabled(3))
                f().Timer3_Timer();
            else if (f().TimerEnabled(5))
                f().Timer5_Timer();
            else if (f().TimerEnabled(1))
                f().Timer1_Timer();
            else
                return;
        }
    }

    // A new text shown from its first page, fully laid out.
    void show(const QString& text, int32_t speed = 5)
    {
        viewer.CurrentText = text;
        viewer.MessageSpeed = speed;
        viewer.ReadPosition = 1;
        viewer.PageStartList = QStringLiteral("1");
        f().FormRedraw();
        settle();
    }

    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(form.get(), k, mods);
        settle();
    }
    void press(int16_t keyCode, int16_t shift)
    {
        f().Picture1_KeyDown(keyCode, shift);
        settle();
    }

    // The window's pixel for a point in twips.
    QPoint px(double xTwips, double yTwips) const
    {
        const double tpp = form->TwipsPerPixel();
        return QPoint(int(xTwips / tpp), int(yTwips / tpp));
    }
};

// A long text of numbered lines, no markup: many pages at the window's size.
inline QString NumberedLines(int lines)
{
    QString text;
    for (int i = 1; i <= lines; ++i)
        text += QStringLiteral("line %1 of the text\r\n").arg(i, 3, 10, QLatin1Char('0'));
    return text;
}
