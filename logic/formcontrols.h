#pragma once

#include "controlarray.h"
#include "listcontrol.h"
#include "textcontrol.h"

// The window as the logic sees it: its lists and its text boxes.
struct FormControls
{
    ControlArray<ListControl> List1;
    ControlArray<TextControl> Text1;
};

// Element numbers of List1. Only the display list is shown; the other three
// hold the catalogue in its three orders and never change after loading.
enum ListElement : Integer {
    DisplayList = 0,
    UserOrderList = 1,   // the catalogue as entered, unsorted
    AlphabeticalList = 2, // sorted
    LengthList = 3,       // sorted, holds length keys (see lengthkey.h)
};

// Element numbers of Text1. Only the message box is shown.
enum TextElement : Integer {
    MessageText = 0,
    QuoteText = 1,
};

// Element numbers of the buttons, Command1; RunCommand receives them.
enum CommandElement : Integer {
    AlphabeticalCommand = 0, // "Азбучно"
    ReportCommand = 1,       // "Избери"
    UserOrderCommand = 2,    // "Изчисти"
    LengthCommand = 3,       // "Дължина"
};
