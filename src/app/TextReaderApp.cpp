#include "TextReaderApp.h"

#include <QCoreApplication>
#include <QTimer>

#include "StartupProbe.h"
#include "core/Notation.h"
#include "library/MacroPageSource.h"
#include "library/ui/Form5.h"
#include "library/ui/Form6.h"
#include "library/ui/Form7.h"
#include "settings/HistoryFile.h"
#include "settings/HotKeySettings.h"
#include "shell/ui/clsWheelMouse.h"
#include "shell/ui/clsWheelMouseViewer.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/ViewerCommandsForm1.h"

namespace {

class NoBrowserPageSource final : public MacroPageSource {
public:
    Page FetchMacroPage(const QString&) override
    {
        return {false, {}, QStringLiteral("ブラウザ画面がないため、ページを読み込めません。")};
    }
};

void ShowDialog(QWidget& dialog)
{
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

} // namespace

TextReaderApp::TextReaderApp(ProgramPaths paths)
    : paths_(paths), settings_(paths), macroPages_(std::make_unique<NoBrowserPageSource>())
{
}

TextReaderApp::~TextReaderApp()
{
    // The dialogs and the commands go before the window they drive.
    form7_.reset();
    form6_.reset();
    form5_.reset();
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
    // The viewer is the program: once it has saved and closed, the program ends; with a
    // code that says so when something could not be kept.
    const int code = form1_->ExitReport().empty() ? 0 : 1;
    QTimer::singleShot(0, QCoreApplication::instance(), [code] { QCoreApplication::exit(code); });
}

void TextReaderApp::FirstPageShown()
{
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
    if (!form6_)
        form6_ = std::make_unique<Form6>(*form1_, SearchWindow(), settings_);
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
