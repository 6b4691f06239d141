#pragma once

#include "runtimeerror.h"

#include <QtGlobal>

#include <limits>

// Positions and counts in lists are 16-bit signed integers; lengths of names
// are kept in an unsigned byte. A value that does not fit is an overflow.
using Integer = qint16;
using Byte = quint8;

template <typename Narrow>
Narrow checkedNarrow(qsizetype value)
{
    if (value < std::numeric_limits<Narrow>::min() || value > std::numeric_limits<Narrow>::max())
        throw RuntimeError(RuntimeError::Code::Overflow);
    return static_cast<Narrow>(value);
}

inline Integer toInteger(qsizetype value) { return checkedNarrow<Integer>(value); }
inline Byte toByte(qsizetype value) { return checkedNarrow<Byte>(value); }
