#pragma once

#include "formcontrols.h"
#include "listwidgetcontrol.h"
#include "plaintextcontrol.h"

#include <QStringList>

namespace Ui {
class MainForm;
}

// The window's controls as the logic sees them: its shown list and text box
// bound to their widgets, and the hidden lists and text as data.
class WidgetControls
{
public:
    WidgetControls(const Ui::MainForm &ui, const QStringList &catalogue);
    WidgetControls(const WidgetControls &) = delete;
    WidgetControls &operator=(const WidgetControls &) = delete;

    const FormControls &controls() const { return m_controls; }

private:
    ListWidgetControl m_display;
    PlainTextControl m_message;
    const FormControls m_controls;
};
