#include "windowfont.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

void provideWindowFont()
{
    const int id = QFontDatabase::addApplicationFont(u":/fonts/CourierFirmsSerif-Regular.ttf"_s);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty())
        QFont::insertSubstitution(u"Times New Roman"_s, families.first());
}
