#include "shell/ui/HotKeyWindowProc.h"

#include "viewer/ui/Form1.h"

namespace {

constexpr int16_t kUp = 38, kDown = 40, kB = 66, kV = 86, kCtrl = 2;

} // namespace

void HotKeyWindowProc(Form1& viewer, int32_t id)
{
    switch (id) {
    case 256: viewer.FormHihyouji(); break;
    case 257: viewer.Picture1_KeyDown(kUp, 0); break;
    case 258: viewer.Picture1_KeyDown(kDown, 0); break;
    case 259: viewer.Picture1_KeyDown(kV, kCtrl); break;
    case 260: viewer.Picture1_KeyDown(kB, kCtrl); break;
    default: break;
    }
}
