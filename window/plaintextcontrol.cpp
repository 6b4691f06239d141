#include "plaintextcontrol.h"

#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

PlainTextControl::PlainTextControl(QPlainTextEdit *widget)
    : m_widget(widget)
{
}

void PlainTextControl::SetText(const QString &text)
{
    // The logic ends lines with CR LF; the widget breaks lines at LF alone and
    // would show the CR as a stray character.
    m_widget->setPlainText(QString(text).replace(u"\r\n"_s, u"\n"_s));
}
