#include "TextReaderApp.h"

#include <QCoreApplication>
#include <QTimer>

#include "AppBrowser.h"
#include "FetchProbe.h"
#include "StartupProbe.h"
#include "core/Notation.h"
#include "settings/HistoryFile.h"
#include "settings/HotKeySettings.h"
#include "shell/ui/clsWheelMouse.h"
#include "shell/ui/clsWheelMouseViewer.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/ViewerCommandsForm1.h"

TextReaderApp::TextReaderApp(ProgramPaths paths) : paths_(paths), settings_(paths) {}

TextReaderApp::~TextReaderApp()
{
    // The commands go before the window they drive.
    browser_.reset();
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
    return form1_->Form_Load(commandLine);
}

void TextReaderApp::LoadHistory() { ::LoadHistory(paths_, history_); }

void TextReaderApp::SaveHistory() { ::SaveHistory(paths_, history_); }

void TextReaderApp::LoadHotKeySettings() { ::LoadHotKeySettings(settings_, hotKeys_); }

void TextReaderApp::SaveHotKeySettings() { ::SaveHotKeySettings(settings_, hotKeys_); }

void TextReaderApp::InstallDesktopHooks(Form1& viewer)
{
    // The global hotkeys come with their window; the wheel source is here now.
    m_CWheel = std::make_unique<clsWheelMouse>();
    StartViewerWheel(*m_CWheel, viewer, commands_->Mouse());
}

void TextReaderApp::RemoveDesktopHooks(Form1& /*viewer*/)
{
    if (m_CWheel)
        m_CWheel->Terminate();
}

void TextReaderApp::ShowMainFrame()
{
    // The main frame is where the display settings dialog comes from; until that dialog
    // exists its designed settings are applied here, once, the first time the frame shows.
    if (!displaySettingsApplied_)
        ApplyDesignedDisplaySettings();
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
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
}

void TextReaderApp::FirstPageShown()
{
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

AppBrowser& TextReaderApp::Browser()
{
    if (!browser_)
        browser_ = std::make_unique<AppBrowser>(viewer_, page_, history_, paths_, prompter_, *form1_, *commands_);
    return *browser_;
}

bool TextReaderApp::BrowserCanGoBack() const { return history_.occupied(PageHistory::kCurrent + 1); }
bool TextReaderApp::BrowserCanGoForward() const { return history_.occupied(PageHistory::kCurrent - 1); }
void TextReaderApp::BrowserBack() { Browser().Window().Command3_Click(0); }
void TextReaderApp::BrowserForward() { Browser().Window().Command3_Click(1); }
void TextReaderApp::BrowserReload() { Browser().Window().Command6_Click(); }
void TextReaderApp::BrowserCache() { Browser().Window().Command4_Click(); }

void TextReaderApp::CommandHost::ShowForm3() { app_.Browser().Show(); }
void TextReaderApp::CommandHost::SetBrowserAddress(const QString& url) { app_.Browser().Window().SetAddress(url); }
void TextReaderApp::CommandHost::URLAttack_Command2_Click(const QString& url)
{
    app_.Browser().Window().URLAttack_Command2_Click(url);
}
