#include "lengthkey.h"

#include "integer.h"

using namespace Qt::StringLiterals;

QString LengthKey(const QString &name)
{
    const Byte length = toByte(name.size());
    const QString digits = QString::number(length);
    if (length <= 9)
        return u"0"_s + digits + u'-' + name;
    return digits + u'-' + name;
}
