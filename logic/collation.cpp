#include "collation.h"

#include <QCollator>
#include <QLocale>

namespace {

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

// The one letter on which the two systems' collations part: Unicode's order
// (Linux) gives the dotless ı a place of its own after i, Windows' takes it
// for an i with a mark. Compared as the i it is written like, it sorts the
// same on both.
constexpr QChar dotlessI = u'\u0131';

QString withDotlessIAsI(const QString &text)
{
    return QString(text).replace(dotlessI, u'i');
}

} // namespace

bool sortsBefore(const QString &a, const QString &b)
{
    if (a.contains(dotlessI) || b.contains(dotlessI))
        return listCollator().compare(withDotlessIAsI(a), withDotlessIAsI(b)) < 0;
    return listCollator().compare(a, b) < 0;
}
