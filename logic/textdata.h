#pragma once

#include "textcontrol.h"

// A text box that is only data: the window's hidden text, and in tests the
// shown one too.
class TextData final : public TextControl
{
public:
    explicit TextData(const QString &text = {})
        : m_text(text)
    {
    }

    void SetText(const QString &text) override { m_text = text; }
    QString Text() const { return m_text; }

private:
    QString m_text;
};
