#include "collation.h"

#include "listcollator.h"

#include <QString>

namespace {

// The one letter on which the systems' collations part: Unicode's order
// (Linux, the browser) gives the dotless ı a place of its own after i,
// Windows' takes it for an i with a mark. Compared as the i it is written
// like, it sorts the same on all of them.
constexpr QChar dotlessI = u'\u0131';

QString withDotlessIAsI(const QString &text)
{
    return QString(text).replace(dotlessI, u'i');
}

} // namespace

bool sortsBefore(const QString &a, const QString &b)
{
    if (a.contains(dotlessI) || b.contains(dotlessI))
        return compareIgnoringCase(withDotlessIAsI(a), withDotlessIAsI(b)) < 0;
    return compareIgnoringCase(a, b) < 0;
}
