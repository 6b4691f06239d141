#pragma once

#include "integer.h"
#include "runtimeerror.h"

#include <QList>

#include <initializer_list>

// Controls of one kind that share a name and differ by element number, as in
// List1(0) .. List1(3). The array only refers to its controls; the window
// (or a test) owns them.
template <typename Control>
class ControlArray
{
public:
    ControlArray(std::initializer_list<Control *> elements)
        : m_elements(elements)
    {
    }

    Control &Item(Integer index) const
    {
        if (index < 0 || index >= m_elements.size())
            throw RuntimeError(RuntimeError::Code::NoSuchControl);
        return *m_elements[index];
    }

    Control &operator()(Integer index) const { return Item(index); }

private:
    QList<Control *> m_elements;
};
