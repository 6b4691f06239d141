#include "qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

bool installQtTranslation()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Debian installs Qt's catalogues one per module; windeployqt merges the
    // ones a program needs into qt_bg.qm.
    for (const QString &name : {u"qtbase_bg"_s, u"qt_bg"_s}) {
        if (translator->load(name, folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}
