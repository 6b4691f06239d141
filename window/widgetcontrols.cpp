#include "widgetcontrols.h"

#include "ui_mainform.h"

WidgetControls::WidgetControls(const Ui::MainForm &ui, const QStringList &catalogue)
    : m_display(ui.List1_0)
    , m_message(ui.Text1_0)
    , m_controls(m_display, m_message, catalogue)
{
}
