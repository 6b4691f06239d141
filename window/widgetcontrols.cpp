#include "widgetcontrols.h"

#include "ui_mainform.h"

WidgetControls::WidgetControls(const Ui::MainForm &ui)
    : m_display(ui.List1_0)
    , m_userOrder(ui.List1_1)
    , m_alphabetical(ui.List1_2)
    , m_byLength(ui.List1_3)
    , m_message(ui.Text1_0)
    , m_quote(ui.Text1_1)
{
}

void WidgetControls::placeWaitingItems() const
{
    m_alphabetical.placeWaitingItems();
    m_byLength.placeWaitingItems();
}
