#include "TextReaderApp.h"

#include <QCheckBox>
#include <QCoreApplication>
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
#include "shell/ui/clsWheelMouse.h"
#include "shell/ui/clsWheelMouseViewer.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/KeyTranslation.h"
#include "viewer/ui/ViewerCommandsForm1.h"

namespace {

void ShowDialog(QWidget& dialog)
{
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

} // namespace

TextReaderApp::TextReaderApp(ProgramPaths paths)
    : paths_(paths), settings_(paths),
      macroPages_(std::make_unique<BrowserMacroPageSource>([this]() -> AppBrowser& { return Browser(); }))
{
}

TextReaderApp::~TextReaderApp()
{
    // The dialogs and the commands go before the window they drive.
    form7_.reset();
    form6_.reset();
    form5_.reset();
    form4_.reset();
    form2_.reset();
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
    // The main frame loads the display settings dialog, whose section reaches the viewer
    // that way; it stays hidden until it is asked for.
    Form2Dialog();
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
        form4_ = std::make_unique<Form4>(Form4::Shared{hotKeys_, settings_, globalHotkeys_, paths_,
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

void TextReaderApp::CommandHost::ShowForm2() { app_.Form2Dialog().ShowForm(); }

void TextReaderApp::CommandHost::ToggleBackTouka()
{
    QCheckBox& box = app_.LoadedForm2().Check2();
    box.setChecked(!box.isChecked()); // its click applies it
}

void TextReaderApp::ViewerUnloaded()
{
    // The viewer is the program: once it has saved and closed, the program ends; with a
    // code that says so when something could not be kept.
    const int code = form1_->ExitReport().empty() ? 0 : 1;
    QTimer::singleShot(0, QCoreApplication::instance(), [code] { QCoreApplication::exit(code); });
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

void TextReaderApp::CommandHost::ShowForm5() { ShowDialog(app_.SearchWindow()); }

void TextReaderApp::CommandHost::ShowForm6() { ShowDialog(app_.LibraryWindow()); }
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

void TextReaderApp::CommandHost::ShowForm3() { app_.Browser().Show(); }
void TextReaderApp::CommandHost::SetBrowserAddress(const QString& url) { app_.Browser().Window().SetAddress(url); }
void TextReaderApp::CommandHost::URLAttack_Command2_Click(const QString& url)
{
    app_.Browser().Window().URLAttack_Command2_Click(url);
}
