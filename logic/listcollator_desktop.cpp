#include "listcollator.h"

#include <QCollator>
#include <QLocale>

int compareIgnoringCase(const QString &a, const QString &b)
{
    // English, not the user's language: Bulgarian puts Cyrillic first, and
    // the C locale would compare character codes.
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::English, QLocale::UnitedStates));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return collator.compare(a, b);
}
