#pragma once

#include "formcontrols.h"
#include "listwidgetcontrol.h"
#include "plaintextcontrol.h"

namespace Ui {
class MainForm;
}

// The window's widgets as the logic sees them: List1(0..3) and Text1(0..1).
class WidgetControls
{
public:
    explicit WidgetControls(const Ui::MainForm &ui);
    WidgetControls(const WidgetControls &) = delete;
    WidgetControls &operator=(const WidgetControls &) = delete;

    const FormControls &controls() const { return m_controls; }

    // Puts the items waiting in the sorted lists in their places.
    void placeWaitingItems() const;

private:
    ListWidgetControl m_display;
    ListWidgetControl m_userOrder;
    ListWidgetControl m_alphabetical;
    ListWidgetControl m_byLength;
    PlainTextControl m_message;
    PlainTextControl m_quote;
    const FormControls m_controls{
        {&m_display, &m_userOrder, &m_alphabetical, &m_byLength},
        {&m_message, &m_quote},
    };
};
