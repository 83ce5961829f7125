#include "TextReaderApp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include "StartupProbe.h"
#include "core/Notation.h"
#include "settings/HistoryFile.h"
#include "settings/HotKeySettings.h"
#include "shell/HotKeyRegistration.h"
#include "shell/ui/GlobalHotkeysBackend.h"
#include "shell/ui/HotKeyWindowProc.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/ProgramIcon.h"
#include "shell/ui/TaskTray.h"
#include "shell/ui/TerminationSignals.h"
#include "shell/ui/clsWheelMouse.h"
#include "shell/ui/clsWheelMouseViewer.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/ViewerCommandsForm1.h"

namespace {

constexpr int kDesktopWindowsLatestMs = 1000;

} // namespace

TextReaderApp::TextReaderApp(ProgramPaths paths)
    : paths_(paths), settings_(paths), hotkeys_(CreatePlatformHotkeys())
{
    // A key arrives inside the platform's event handling: act on it from the event loop,
    // where the paste question's message box may run.
    hotkeys_->SetHandler([this](int32_t id) {
        QTimer::singleShot(0, form1_.get(), [this, id] { HotKeyWindowProc(*form1_, id); });
    });
}

TextReaderApp::~TextReaderApp()
{
    // The commands and the desktop parts go before the window they drive.
    signals_.reset();
    tray_.reset();
    mdiForm1_.reset();
    hotkeys_.reset();
    if (form1_)
        form1_->SetInput(nullptr);
    m_CWheel.reset();
    commands_.reset();
}

bool TextReaderApp::Start(const QString& commandLine)
{
    form1_ = std::make_unique<Form1>(Form1::Shared{viewer_, page_, history_, paths_, settings_,
                                                   prompter_, effects_, *this});
    commands_ = std::make_unique<ViewerCommandsInput>(*form1_, commandHost_);
    form1_->SetInput(commands_.get());
    if (!form1_->Form_Load(commandLine))
        return false;
    // Every way out runs the viewer's unload, which saves everything: a termination
    // signal, the end of the desktop session, anything else that ends the event loop.
    signals_ = std::make_unique<TerminationSignals>([this] { form1_->Form_Unload(); });
    auto* app = qGuiApp;
    QObject::connect(app, &QGuiApplication::commitDataRequest, form1_.get(), [this] { form1_->Form_Unload(); });
    QObject::connect(app, &QCoreApplication::aboutToQuit, form1_.get(), [this] { form1_->Form_Unload(); });
    // The hotkeys, the frame and the tray icon do not hold up the first page: they come
    // once it has been painted (or after a while, should it not be painted at all).
    QTimer::singleShot(kDesktopWindowsLatestMs, form1_.get(), [this] { CreateDesktopWindows(); });
    return true;
}

void TextReaderApp::CreateDesktopWindows()
{
    if (form1_->Unloaded() || mdiForm1_)
        return;
    if (desktopHooks_)
        RegisterDesktopHotkeys();
    const QIcon icon = ProgramIcon();
    form1_->setWindowIcon(icon);
    // In a debug run the icon is there, but its clicks do nothing.
    tray_ = std::make_unique<TaskTray>(*form1_, icon, viewer_.RunMode > 9);
    if (trayWanted_)
        tray_->AddTrayIcon();
    MDIForm1::Calls calls{
        [this] { return MainFrameChildren(); },
        [this] { form1_->SetTimerEnabled(8, true); },
        [this] { form1_->Form_Unload(); },
        [this] { EndProgram(); },
    };
    mdiForm1_ = std::make_unique<MDIForm1>(viewer_, effects_, std::move(calls));
    mdiForm1_->setWindowIcon(icon);
    mdiForm1_->MDIForm_Load();
}

std::vector<QWidget*> TextReaderApp::MainFrameChildren()
{
    // In this order, each tab going in at the far left: URL macro (Form7), display settings
    // (Form2), library (Form6), browser (Form3), term search (Form5). A window that does
    // not exist yet is left out.
    return {};
}

void TextReaderApp::LoadHistory() { ::LoadHistory(paths_, history_); }

void TextReaderApp::SaveHistory() { ::SaveHistory(paths_, history_); }

void TextReaderApp::LoadHotKeySettings() { ::LoadHotKeySettings(settings_, hotKeys_); }

void TextReaderApp::SaveHotKeySettings() { ::SaveHotKeySettings(settings_, hotKeys_); }

void TextReaderApp::InstallDesktopHooks(Form1& viewer)
{
    // The hotkeys are registered once the first page is on screen: on a busy X server the
    // grabs' round trips would hold it up.
    desktopHooks_ = true;
    m_CWheel = std::make_unique<clsWheelMouse>();
    StartViewerWheel(*m_CWheel, viewer, commands_->Mouse());
}

void TextReaderApp::RegisterDesktopHotkeys()
{
    const std::vector<int> failed = RegisterHotKeys(*hotkeys_, hotKeys_);
    // The status line says it at its next refresh (each second).
    AnnounceHotkeys(hotkeys_->Available(), failed);
}

void TextReaderApp::AnnounceHotkeys(bool hotkeysOn, const std::vector<int>& failedSlots)
{
    const QString status = HotKeyStatusMessage(hotkeysOn, hotKeys_, failedSlots);
    if (!status.isEmpty())
        form1_->Page().StatusMessage = status;
}

void TextReaderApp::RemoveDesktopHooks(Form1& /*viewer*/)
{
    if (m_CWheel)
        m_CWheel->Terminate();
    UnregisterHotKeys(*hotkeys_);
}

void TextReaderApp::AddTrayIcon(Form1& /*viewer*/)
{
    trayWanted_ = true;
    if (tray_)
        tray_->AddTrayIcon();
    // The last desktop service set up before the first page: in a debug run (no hotkeys)
    // the first page's status line says so.
    if (!desktopHooks_)
        AnnounceHotkeys(false, {});
}

void TextReaderApp::RemoveTrayIcon(Form1& /*viewer*/)
{
    trayWanted_ = false;
    if (tray_)
        tray_->RemoveTrayIcon();
}

void TextReaderApp::ShowMainFrame()
{
    // The main frame is where the display settings dialog comes from; until that dialog
    // exists its designed settings are applied here, once, the first time the frame shows.
    if (!displaySettingsApplied_)
        ApplyDesignedDisplaySettings();
    if (mdiForm1_)
        mdiForm1_->ShowBehind();
}

void TextReaderApp::HideMainFrame()
{
    if (mdiForm1_)
        mdiForm1_->hide();
}

bool TextReaderApp::ViewerCanComeBack() const
{
    return hotkeys_->Registered(HotKeys::kFirstId) || (tray_ && tray_->InTray());
}

void TextReaderApp::ApplyDesignedDisplaySettings()
{
    displaySettingsApplied_ = true;
    // Colour scheme 0: white text with a darkened shadow on black.
    viewer_.BackColour = 0x000000;
    viewer_.TextColour = 0xFFFFFF;
    viewer_.ShadowShift = -1;
    viewer_.ShadowColour = 0;
    viewer_.ColourStack[0] = viewer_.TextColour;
    for (Surface* s : {&form1_->CanvasSurface(), &form1_->PageBufferSurface()}) {
        s->setBackColor(viewer_.BackColour);
        s->setForeColor(viewer_.TextColour);
    }
    viewer_.Alfa = 70;
    viewer_.IdleTimer[1] = 120;
    viewer_.BackTouka = false;
}

void TextReaderApp::ApplyBackgroundTransparency(Form1& viewer)
{
    // With the background keyed out the opacity is not applied; without it the opacity
    // setting comes back.
    viewer.PageBufferSurface().setBackColor(viewer.CanvasSurface().BackColor());
    viewer.SetColourKeyTransparency(viewer_.BackTouka);
    const int32_t level = viewer_.BackTouka ? 255 : notation::ToInt32(viewer_.Alfa / 100.0 * 255);
    viewer.SetWindowAlpha(level);
}

void TextReaderApp::CommandHost::ToggleBackTouka()
{
    app_.viewer_.BackTouka = !app_.viewer_.BackTouka;
    app_.ApplyBackgroundTransparency(*app_.form1_);
}

void TextReaderApp::ViewerUnloaded()
{
    // The viewer is the program: once it has saved and closed, the program ends.
    EndProgram();
}

void TextReaderApp::EndProgram()
{
    if (ending_)
        return;
    ending_ = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
}

void TextReaderApp::FirstPageShown()
{
    QTimer::singleShot(0, form1_.get(), [this] { CreateDesktopWindows(); });
    if (!startupprobe::Enabled())
        return;
    startupprobe::Report();
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
}
