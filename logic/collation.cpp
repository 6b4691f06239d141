#include "collation.h"

#include <QCollator>
#include <QLocale>

const QCollator &listCollator()
{
    // English has no rules of its own on top of the Unicode root order, which
    // puts Latin before Cyrillic. Bulgarian puts Cyrillic first, and the C
    // locale would compare character codes, so neither of them will do.
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::English, QLocale::UnitedStates));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return collator;
}
