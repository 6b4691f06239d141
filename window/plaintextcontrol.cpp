#include "plaintextcontrol.h"

#include <QPlainTextEdit>

PlainTextControl::PlainTextControl(QPlainTextEdit *widget)
    : m_widget(widget)
{
}

void PlainTextControl::SetText(const QString &text)
{
    // The widget takes CR LF as one line break, as the logic writes it.
    m_widget->setPlainText(text);
}
