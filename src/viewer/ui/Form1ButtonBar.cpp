// The button bar's sliding and its six buttons.
#include <QPushButton>

#include "viewer/ui/ButtonBar.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/Form1Hooks.h"

void Form1::Picture3_Visible(bool wanted) { buttonBar_->Slide(wanted, pause_); }

void Form1::Timer7_Timer()
{
    if (buttonBar_->isHidden())
        return;
    Command1(0).setEnabled(shared_.hooks.BrowserCanGoBack());
    Command1(1).setEnabled(shared_.hooks.BrowserCanGoForward());
}

void Form1::Command1_Click(int index)
{
    switch (index) {
    case 0: shared_.hooks.BrowserBack(); break;
    case 1: shared_.hooks.BrowserForward(); break;
    case 2: Picture1_KeyDown(67, 2); break; // Ctrl+C: copy the whole text
    case 3: Picture1_KeyDown(86, 2); break; // Ctrl+V: paste
    case 4: shared_.hooks.BrowserReload(); break;
    case 5: shared_.hooks.BrowserCache(); break;
    default: break;
    }
    Timer7_Timer();
}
