#pragma once

#include "textcontrol.h"

class QPlainTextEdit;

// A text box of the window as the logic sees it.
class PlainTextControl final : public TextControl
{
public:
    explicit PlainTextControl(QPlainTextEdit *widget);

    void SetText(const QString &text) override;

private:
    QPlainTextEdit *m_widget;
};
