#include "formcontrols.h"

using namespace Qt::StringLiterals;

FormControls::FormControls(ListControl &display, TextControl &message, const QStringList &catalogue)
    : List1{&display, &m_userOrder, &m_alphabetical, &m_byLength}
    , Text1{&message, &m_quote}
    , m_quote(u"Неприятното в това да си първият, направил нещо по правилния начин, е, че никой "
              u"не оценява колко трудно е било. \r\n"_s)
{
    for (const QString &name : catalogue)
        m_userOrder.AddItem(name);
}

void FormControls::sortNewItems() const
{
    m_alphabetical.sortNewItems();
    m_byLength.sortNewItems();
}
