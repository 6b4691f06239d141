#pragma once

#include "textcontrol.h"

class QPlainTextEdit;

// The message box as the logic sees it: a text widget of the window.
class PlainTextControl final : public TextControl
{
public:
    explicit PlainTextControl(QPlainTextEdit *widget);

    void SetText(const QString &text) override;

private:
    QPlainTextEdit *m_widget;
};
