#include "viewer/ui/ViewerInput.h"

#include "viewer/ui/Form1.h"

void QuitKeyInput::Picture1_KeyDown(int16_t& KeyCode, int16_t& /*Shift*/)
{
    if (KeyCode != 27 || viewer_.Viewer().QuitState > 0)
        return;
    if (viewer_.isVisible())
        viewer_.FormHihyouji();
    viewer_.Form_Unload();
}
