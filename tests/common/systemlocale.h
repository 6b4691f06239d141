#pragma once

#include <QLocale>
#include <QTest>

// Fails the test when CTest started it under a locale on purpose (see
// add_locale_runs) and the program does not see that locale.
inline void verifySystemLocale()
{
    const QString expected = qEnvironmentVariable("EXPECTED_SYSTEM_LOCALE");
    if (!expected.isEmpty())
        QCOMPARE(QLocale::system().name(), expected);
}
