#pragma once

#include <QString>

// What the logic asks of a text box: to replace its whole text. Lines in the
// text are separated by CR LF.
class TextControl
{
public:
    virtual ~TextControl() = default;

    virtual void SetText(const QString &text) = 0;

protected:
    // Only a whole control can be copied, never its interface alone.
    TextControl() = default;
    TextControl(const TextControl &) = default;
    TextControl &operator=(const TextControl &) = default;
};
