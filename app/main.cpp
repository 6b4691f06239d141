#include "accessibility.h"
#include "catalogue.h"
#include "commandline.h"
#include "mainform.h"
#include "opendisplay.h"
#include "qttranslation.h"
#include "systemlibraries.h"
#include "windowfont.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    loadLibrariesFromSystemOnly();
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

    // The window is built, then shown, each once the event loop runs and in
    // a pass of it of its own: in a browser each is a task of its own, and
    // the page paints and answers between them.
    std::unique_ptr<MainForm> form;
    QTimer::singleShot(0, app.get(), [&form] {
        form = std::make_unique<MainForm>(Catalogue());
        // An error in the logic ends the program once the user has read what it was.
        QObject::connect(form.get(), &MainForm::failed, form.get(), [&form](const QString &message) {
            QMessageBox::critical(form.get(), form->windowTitle(), message);
            QApplication::exit(EXIT_FAILURE);
        });
        if (!form->Load())
            return;
        // A browser's screen readers read the window but draw nothing: their
        // page waits until the window is on screen, as the form's sorting does.
        form->afterFirstShown({[&form] { provideAccessibility(form.get()); }});
        QTimer::singleShot(0, form.get(), &QWidget::show);
    });
    return QApplication::exec();
}
