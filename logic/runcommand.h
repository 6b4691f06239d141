#pragma once

#include "integer.h"

class FormControls;

// Does what the button with element number `index` of Command1 is for (see
// CommandElement): refills the display list in one of the three orders, or
// writes the selected firm into the message box. Other numbers do nothing.
void RunCommand(const FormControls &form, Integer index);
