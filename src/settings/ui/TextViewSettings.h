#pragma once
// Section TextView of Setting.ini: the display settings dialog's controls, written as they
// stand and read back into them in the order that lets each control's handler apply its
// value to the viewer. Values a hand-edited file holds outside a control's range are
// brought back into it (opacity, idle seconds) or leave the control as the dialog set it
// (scheme, font size, check boxes, colour fields too long for their field).
#include "settings/IniStore.h"

class Form2;

void LoadTextViewSettings(IniStore& ini, Form2& form);
// One write of the file for the whole section.
IniSaveResult SaveTextViewSettings(IniStore& ini, Form2& form);
