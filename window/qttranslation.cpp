#include "qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

bool installQtTranslation()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    // The Windows and web builds carry their own copy of the catalogue (see
    // CMakeLists.txt); on Linux it is the system's, from Qt's own folder.
    const QString folders[] = {u":/translations"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString &folder : folders) {
        if (translator->load(u"qtbase_bg"_s, folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}
