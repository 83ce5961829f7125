// Qt key events become the key codes and Shift mask the commands are numbered by.
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "viewer/ui/KeyTranslation.h"

namespace {

VirtualKey Translate(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
{
    const QKeyEvent e(QEvent::KeyPress, key, mods, text);
    return TranslateKeyEvent(e);
}

} // namespace

TEST(KeysTranslation, CommandKeysGetTheirCodes)
{
    const std::vector<std::pair<int, int16_t>> keys{
        {Qt::Key_A, 65}, {Qt::Key_Z, 90}, {Qt::Key_0, 48}, {Qt::Key_9, 57},
        {Qt::Key_F1, 112}, {Qt::Key_F12, 123}, {Qt::Key_Escape, 27}, {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13}, {Qt::Key_Up, 38}, {Qt::Key_Down, 40}, {Qt::Key_Left, 37},
        {Qt::Key_Right, 39}, {Qt::Key_Home, 36}, {Qt::Key_Space, 32}, {Qt::Key_Delete, 46},
    };
    for (const auto& [key, code] : keys)
        EXPECT_EQ(Translate(key).KeyCode, code) << key;
    EXPECT_EQ(Translate(Qt::Key_unknown).KeyCode, 0);
}

TEST(KeysTranslation, ModifiersBecomeTheMaskAndDoNotChangeTheKey)
{
    EXPECT_EQ(Translate(Qt::Key_V, Qt::ControlModifier).Shift, 2);
    EXPECT_EQ(Translate(Qt::Key_C, Qt::AltModifier).Shift, 4);
    EXPECT_EQ(Translate(Qt::Key_Up, Qt::ShiftModifier).Shift, 1);
    const VirtualKey all = Translate(Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(all.Shift, 7);
    EXPECT_EQ(all.KeyCode, 83);
    // The number pad's Enter is Enter; its digits have codes of their own.
    EXPECT_EQ(Translate(Qt::Key_Enter, Qt::KeypadModifier).KeyCode, 13);
    EXPECT_EQ(Translate(Qt::Key_7, Qt::KeypadModifier).KeyCode, 103);
    EXPECT_EQ(Translate(Qt::Key_Enter, Qt::KeypadModifier).Shift, 0);
}

TEST(KeysTranslation, ShiftedSymbolsNameTheirUnshiftedKey)
{
    EXPECT_EQ(Translate(Qt::Key_Exclam, Qt::ShiftModifier).KeyCode, 49);
    EXPECT_EQ(Translate(Qt::Key_ParenRight, Qt::ShiftModifier).KeyCode, 48);
    EXPECT_EQ(Translate(Qt::Key_Colon, Qt::ShiftModifier).KeyCode, Translate(Qt::Key_Semicolon).KeyCode);
    EXPECT_EQ(Translate(Qt::Key_Question, Qt::ShiftModifier).KeyCode, 191);
}
