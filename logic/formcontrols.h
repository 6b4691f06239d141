#pragma once

#include "controlarray.h"
#include "listdata.h"
#include "textdata.h"

#include <QStringList>

// The window as the logic sees it: its lists List1(0..3) and its text boxes
// Text1(0..1). The shown list and text box belong to whoever shows them (the
// window, or a test); the hidden ones are data kept here, made as the window
// is built: the catalogue in List1(1), the sorted lists empty, and the quote
// in Text1(1).
class FormControls
{
public:
    FormControls(ListControl &display, TextControl &message, const QStringList &catalogue);
    FormControls(const FormControls &) = delete;
    FormControls &operator=(const FormControls &) = delete;

    // Puts the items waiting in the sorted lists in their places now. The
    // first comparison loads the collation tables, which takes a millisecond
    // or two; a read of a list would do it anyway.
    void sortNewItems() const;

    const ControlArray<ListControl> List1;
    const ControlArray<TextControl> Text1;

private:
    ListData m_userOrder;
    ListData m_alphabetical{ListData::Sorting::Sorted};
    ListData m_byLength{ListData::Sorting::Sorted};
    TextData m_quote;
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
