#include "TextReaderApp.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include "Form1Display.h"
#include "AppBrowser.h"
#include "BrowserMacroPageSource.h"
#include "FetchProbe.h"
#include "StartupProbe.h"
#include "core/Notation.h"
#include "library/MacroPageSource.h"
#include "library/ui/Form5.h"
#include "library/ui/Form6.h"
#include "library/ui/Form7.h"
#include "settings/HistoryFile.h"
#include "settings/HotKeySettings.h"
#include "settings/ui/Form2.h"
#include "settings/ui/Form4.h"
#include "settings/ui/TextViewSettings.h"
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
#include "viewer/ui/KeyTranslation.h"
#include "viewer/ui/ViewerCommandsForm1.h"

namespace {

constexpr int kDesktopWindowsLatestMs = 1000;

} // namespace

TextReaderApp::TextReaderApp(ProgramPaths paths)
    : paths_(paths), settings_(paths),
      macroPages_(std::make_unique<BrowserMacroPageSource>([this]() -> AppBrowser& { return Browser(); })),
      hotkeys_(CreatePlatformHotkeys())
{
    // A key arrives inside the platform's event handling: act on it from the event loop,
    // where the paste question's message box may run.
    hotkeys_->SetHandler([this](int32_t id) {
        QTimer::singleShot(0, form1_.get(), [this, id] { HotKeyWindowProc(*form1_, id); });
    });
}

TextReaderApp::~TextReaderApp()
{
    // The dialogs go first: the main frame holds them as children, and a window deleted
    // on its own leaves its frame; then the desktop parts and the commands, before the
    // window they drive.
    form7_.reset();
    form6_.reset();
    form5_.reset();
    form4_.reset();
    form2_.reset();
    browser_.reset();
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
        [this] { EndProgram(form1_->ExitReport().empty() ? 0 : 1); },
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
    if (form1_->Unloaded())
        return {};
    return {&MacroWindow(), &LoadedForm2(), &LibraryWindow(), &Browser().Window(), &SearchWindow()};
}

void TextReaderApp::LoadHistory()
{
    if (std::optional<FileProblem> problem = LoadHistoryChecked(paths_, history_))
        form1_->ReportFileProblem(*problem);
}

void TextReaderApp::SaveHistory()
{
    if (std::optional<FileProblem> problem = SaveHistoryChecked(paths_, history_))
        form1_->ReportFileProblem(*problem);
}

void TextReaderApp::LoadHotKeySettings()
{
    // The first read of Setting.ini: a file too large to use is reported here, once.
    ::LoadHotKeySettings(settings_, hotKeys_);
    if (const std::optional<QString> notice = settings_.TakeNotice())
        prompter_.inform(*notice, Form1::Caption());
}

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
    // The main frame loads the display settings dialog, whose section reaches the viewer
    // that way; it stays hidden until it is asked for.
    Form2Dialog();
    if (mdiForm1_)
        mdiForm1_->ShowBehind();
}

void TextReaderApp::ShowChild(QWidget& child)
{
    if (mdiForm1_) {
        mdiForm1_->ShowInFront();
        mdiForm1_->AddChild(&child); // its tab comes forward
        return;
    }
    child.show();
    child.raise();
    child.activateWindow();
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

Form2& TextReaderApp::Form2Dialog()
{
    if (!form2_) {
        display_ = std::make_unique<Form1Display>(*form1_);
        form2_ = std::make_unique<Form2>(
            Form2::Shared{viewer_, *display_, settings_, prompter_, [this] { Form4Dialog().ShowForm(); }});
        form2_->Form_Load();
    }
    return *form2_;
}

Form4& TextReaderApp::Form4Dialog()
{
    if (!form4_) {
        const auto translate = [](const QKeyEvent& e) {
            const VirtualKey key = TranslateKeyEvent(e);
            return std::pair<int16_t, int16_t>(key.KeyCode, key.Shift);
        };
        form4_ = std::make_unique<Form4>(Form4::Shared{hotKeys_, settings_, *hotkeys_, paths_,
                                                       viewer_, prompter_, translate});
    }
    return *form4_;
}

void TextReaderApp::SaveTextViewSettings()
{
    // A dialog the user closed wrote its section then; loading it again reads it back.
    ::SaveTextViewSettings(settings_, LoadedForm2());
}

void TextReaderApp::SettingsSaved(const IniSaveResult& result) { unloadSettingsSave_ = result; }

Form2& TextReaderApp::LoadedForm2()
{
    // Its controls hold the live settings: one the user closed is loaded again, hidden.
    Form2& form = Form2Dialog();
    if (!form.Loaded())
        form.Form_Load();
    return form;
}

void TextReaderApp::ApplyBackgroundTransparency(Form1& /*viewer*/) { LoadedForm2().Check2_Click(); }

void TextReaderApp::CommandHost::ShowForm2() { app_.ShowChild(app_.LoadedForm2()); }

void TextReaderApp::CommandHost::ToggleBackTouka()
{
    QCheckBox& box = app_.LoadedForm2().Check2();
    box.setChecked(!box.isChecked()); // its click applies it
}

void TextReaderApp::ViewerUnloaded()
{
    // The viewer is the program: once it has saved and closed, the program ends; with a
    // code that says so when something could not be kept.
    EndProgram(form1_->ExitReport().empty() ? 0 : 1);
}

void TextReaderApp::EndProgram(int code)
{
    if (ending_)
        return;
    ending_ = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [code] { QCoreApplication::exit(code); });
}

void TextReaderApp::FirstPageShown()
{
    QTimer::singleShot(0, form1_.get(), [this] { CreateDesktopWindows(); });
    if (const QString url = fetchprobe::Url(); !url.isEmpty()) {
        QTimer::singleShot(0, QCoreApplication::instance(), [this, url] {
            fetchprobe::Run(Browser(), viewer_, url);
            QCoreApplication::exit(0);
        });
        return;
    }
    if (!startupprobe::Enabled())
        return;
    startupprobe::Report();
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
}

Form5& TextReaderApp::SearchWindow()
{
    if (!form5_)
        form5_ = std::make_unique<Form5>(*form1_, commands_->Window(), settings_);
    return *form5_;
}

Form6& TextReaderApp::LibraryWindow()
{
    if (!form6_) {
        form6_ = std::make_unique<Form6>(*form1_, SearchWindow(), settings_);
        // A loaded text is redrawn in the display settings' colours.
        form6_->SetOption1_NoRedraw([this] { LoadedForm2().Option1_NoRedraw(); });
    }
    return *form6_;
}

Form7& TextReaderApp::MacroWindow()
{
    if (!form7_)
        form7_ = std::make_unique<Form7>(*form1_, LibraryWindow(), *macroPages_);
    return *form7_;
}

// A dialog never opened writes its section back as it was read.
void TextReaderApp::SaveTextFindSettings() { SearchWindow().SaveTextFindSettings(); }

void TextReaderApp::SaveFavoriteSettings() { LibraryWindow().SaveFavoriteSettings(); }

void TextReaderApp::CommandHost::ShowForm5() { app_.ShowChild(app_.SearchWindow()); }

void TextReaderApp::CommandHost::ShowForm6() { app_.ShowChild(app_.LibraryWindow()); }
AppBrowser& TextReaderApp::Browser()
{
    if (!browser_)
        browser_ = std::make_unique<AppBrowser>(
            viewer_, page_, history_, paths_, prompter_, *form1_, *commands_,
            AppBrowser::Dialogs{[this]() -> Form2& { return LoadedForm2(); },
                                [this]() -> Form5& { return SearchWindow(); }});
    return *browser_;
}

bool TextReaderApp::BrowserCanGoBack() const { return history_.occupied(PageHistory::kCurrent + 1); }
bool TextReaderApp::BrowserCanGoForward() const { return history_.occupied(PageHistory::kCurrent - 1); }
void TextReaderApp::BrowserBack() { Browser().Window().Command3_Click(0); }
void TextReaderApp::BrowserForward() { Browser().Window().Command3_Click(1); }
void TextReaderApp::BrowserReload() { Browser().Window().Command6_Click(); }
void TextReaderApp::BrowserCache() { Browser().Window().Command4_Click(); }

void TextReaderApp::CommandHost::ShowForm3() { app_.ShowChild(app_.Browser().Window()); }
void TextReaderApp::CommandHost::SetBrowserAddress(const QString& url) { app_.Browser().Window().SetAddress(url); }
void TextReaderApp::CommandHost::URLAttack_Command2_Click(const QString& url)
{
    app_.Browser().Window().URLAttack_Command2_Click(url);
}
