#pragma once

#include <QString>
#include <QtGlobal>

// The locale a test run was started with, when CTest starts it under one on
// purpose (see add_locale_runs); empty otherwise.
inline QString expectedSystemLocale()
{
    return qEnvironmentVariable("EXPECTED_SYSTEM_LOCALE");
}
