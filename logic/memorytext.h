#pragma once

#include "textcontrol.h"

// A text box kept in memory, for the logic's tests.
class MemoryText final : public TextControl
{
public:
    explicit MemoryText(const QString &text = {})
        : m_text(text)
    {
    }

    void SetText(const QString &text) override { m_text = text; }
    QString Text() const { return m_text; }

private:
    QString m_text;
};
