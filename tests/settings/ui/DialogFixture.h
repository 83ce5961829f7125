#pragma once
// The settings dialogs on their own: a viewer stand-in with two surfaces that records what
// the dialogs do to the window, and global hotkeys that refuse chosen combinations.
#include <QFile>
#include <gtest/gtest.h>
#include <set>
#include <utility>

#include "core/Codec.h"
#include "core/GlobalHotkeys.h"
#include "settings/HotKeyTable.h"
#include "settings/IniStore.h"
#include "settings/ui/Form2.h"
#include "settings/ui/ViewerDisplay.h"
#include "state/ViewerState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

class RecordingDisplay : public ViewerDisplay {
public:
    RecordingDisplay()
    {
        QFont font(QStringLiteral("ＭＳ ゴシック"));
        font.setPointSizeF(9.75);
        font.setBold(true);
        canvas.setFont(font);
        buffer.setFont(font);
    }
    Surface& CanvasSurface() override { return canvas; }
    Surface& PageBufferSurface() override { return buffer; }
    void Irohenge(Colour& colour, int32_t& mode) override
    {
        stackColour = colour;
        mode = 0;
    }
    void FormRedraw() override { ++redraws; }
    void SetWindowAlpha(int32_t level) override { alpha = level; }
    void SetColourKeyTransparency(bool on) override { colourKey = on; }

    Surface canvas{100, 50};
    Surface buffer{100, 50};
    Colour stackColour = 0;
    int redraws = 0;
    int32_t alpha = -1;
    bool colourKey = false;
};

class RefusingHotkeys : public GlobalHotkeys {
public:
    bool Available() const override { return true; }
    bool Register(int32_t id, int32_t modifiers, int32_t key) override
    {
        ++attempts;
        if (key == 0 || refused.count({modifiers, key}))
            return false;
        registered.insert(id);
        return true;
    }
    void Unregister(int32_t id) override { registered.erase(id); }

    std::set<std::pair<int32_t, int32_t>> refused; // (mask, key) another program holds
    std::set<int32_t> registered;
    int attempts = 0;
};

constexpr Colour Rgb(int r, int g, int b) { return Colour(r | (g << 8) | (b << 16)); }

class DialogTest : public ::testing::Test {
protected:
    DialogTest()
    {
        viewer.StartupDone = true;
        QFile::copy(QStringLiteral(TR_SOURCE_DIR "/data/KeyMap.tbl"), paths.programFile(QStringLiteral("KeyMap.tbl")));
    }
    QByteArray ini() const { return folder.read(settings.settingsPath()); }
    QString iniText() const { return codec::DecodeCp932(ini()); }
    std::unique_ptr<Form2> makeForm2()
    {
        auto form = std::make_unique<Form2>(Form2::Shared{viewer, display, settings, prompter, {}});
        form->Form_Load();
        return form;
    }

    TempFolder folder;
    ProgramPaths paths = folder.paths();
    IniStore settings{paths};
    ViewerState viewer;
    RecordingDisplay display;
    ScriptedPrompter prompter;
};
