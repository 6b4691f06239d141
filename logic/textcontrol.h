#pragma once

#include <QString>

// What the logic asks of a text box: to replace its whole text. Lines in the
// text are separated by CR LF.
class TextControl
{
public:
    virtual ~TextControl() = default;

    virtual void SetText(const QString &text) = 0;
};
