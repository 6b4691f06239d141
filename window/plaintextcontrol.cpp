#include "plaintextcontrol.h"

#include "announce.h"

#include <QPlainTextEdit>

PlainTextControl::PlainTextControl(QPlainTextEdit *widget)
    : m_widget(widget)
{
}

void PlainTextControl::SetText(const QString &text)
{
    // The widget takes CR LF as one line break, as the logic writes it.
    m_widget->setPlainText(text);
    // What the box now tells a sighted user, a screen reader says with it.
    announce(text.trimmed());
}
