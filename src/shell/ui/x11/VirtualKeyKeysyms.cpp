#include "shell/ui/x11/VirtualKeyKeysyms.h"

#include <array>
#include <utility>

namespace {

// Keysym values from X11/keysymdef.h and XF86keysym.h.
constexpr std::array<std::pair<int32_t, uint32_t>, 60> kNamedKeys{{
    {3, 0xff69},   {8, 0xff08},   {9, 0xff09},   {12, 0xff0b},  {13, 0xff0d},  {16, 0xffe1},
    {17, 0xffe3},  {18, 0xffe9},  {19, 0xff13},  {20, 0xffe5},  {21, 0xff27},  {25, 0xff21},
    {27, 0xff1b},  {28, 0xff23},  {29, 0xff22},  {32, 0x0020},  {33, 0xff55},  {34, 0xff56},
    {35, 0xff57},  {36, 0xff50},  {37, 0xff51},  {38, 0xff52},  {39, 0xff53},  {40, 0xff54},
    {41, 0xff60},  {42, 0xff61},  {43, 0xff62},  {44, 0xff61},  {45, 0xff63},  {46, 0xffff},
    {47, 0xff6a},  {91, 0xffeb},  {92, 0xffec},  {93, 0xff67},  {95, 0x1008ff2f}, {106, 0xffaa},
    {107, 0xffab}, {108, 0xffac}, {109, 0xffad}, {110, 0xffae}, {111, 0xffaf}, {144, 0xff7f},
    {145, 0xff14}, {160, 0xffe1}, {161, 0xffe2}, {162, 0xffe3}, {163, 0xffe4}, {164, 0xffe9},
    {165, 0xffea}, {186, 0x003a}, {187, 0x003b}, {188, 0x002c}, {189, 0x002d}, {190, 0x002e},
    {191, 0x002f}, {192, 0x0040}, {219, 0x005b}, {220, 0x005c}, {221, 0x005d}, {222, 0x005e},
}};

constexpr uint32_t kUnderscore = 0x005f;

} // namespace

uint32_t VirtualKeyToKeysym(int32_t vk)
{
    if (vk >= '0' && vk <= '9')
        return uint32_t(vk); // XK_0 .. XK_9
    if (vk >= 'A' && vk <= 'Z')
        return uint32_t(vk - 'A' + 'a'); // the unshifted letter, XK_a .. XK_z
    if (vk >= 96 && vk <= 105)
        return 0xffb0 + uint32_t(vk - 96); // XK_KP_0 .. XK_KP_9
    if (vk >= 112 && vk <= 135)
        return 0xffbe + uint32_t(vk - 112); // XK_F1 .. XK_F24
    if (vk == 226)
        return kUnderscore;
    for (const auto& [code, keysym] : kNamedKeys)
        if (code == vk)
            return keysym;
    return 0;
}
