#include "accessibility.h"
#include "catalogue.h"
#include "commandline.h"
#include "mainform.h"
#include "opendisplay.h"
#include "qttranslation.h"
#include "windowfont.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(u"courier-firms"_s);
    QApplication::setApplicationVersion(QStringLiteral(COURIER_FIRMS_VERSION));
    answerHelpAndVersion(argc, argv);

    const std::unique_ptr<QApplication> app = openDisplay(argc, argv);
    installQtTranslation();
    rejectUnknownOptions(*app);
    QApplication::setDesktopFileName(u"org.example.courierfirms"_s);

    // The window's font for the whole program, set before the window is built:
    // otherwise its text boxes would first load the desktop's default font,
    // which nothing shows.
    provideWindowFont();
    QApplication::setFont(QFont(u"Times New Roman"_s, 12));

    MainForm form(Catalogue());
    // An error in the logic ends the program once the user has read what it was.
    QObject::connect(&form, &MainForm::failed, &form, [&form](const QString &message) {
        QMessageBox::critical(&form, form.windowTitle(), message);
        QApplication::exit(EXIT_FAILURE);
    });
    if (!form.Load())
        return EXIT_FAILURE;
    provideAccessibility(&form);
    form.show();
    return QApplication::exec();
}
