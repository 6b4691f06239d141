// The least a window that shows what the program shows must do: the same
// widgets in plain Qt (the label, a list of the 21 names, four buttons, a
// text box with the task), in the program's font, size and places, the
// window and the label in the program's colours, and once it is on screen,
// one comparison of the collation its sorted lists use.

#include "catalogue.h"
#include "windowfont.h"

#include <QApplication>
#include <QCollator>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// Compares two names once the window has been exposed and painted.
class CompareWhenShown : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, [] {
                QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
                collator.setCaseSensitivity(Qt::CaseInsensitive);
                volatile int order = collator.compare(u"Спиди"_s, u"DHL"_s);
                (void)order;
            }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    provideWindowFont();
    QApplication::setFont(QFont(u"Times New Roman"_s, 12));

    QWidget window;
    window.setWindowTitle(u"https://courier-firms.example.org ИТ - списък на куриерски фирми"_s);
    window.setFixedSize(461, 345);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, QColor(192, 192, 255));
    window.setPalette(colours);

    QLabel label(u"Куриерски фирми -  сортиране на стринг"_s, &window);
    label.setGeometry(32, 0, 337, 25);
    label.setAlignment(Qt::AlignCenter);
    colours.setColor(QPalette::Window, QColor(255, 192, 128));
    label.setPalette(colours);
    label.setAutoFillBackground(true);

    QListWidget list(&window);
    list.setGeometry(16, 48, 161, 99);
    list.addItems(Catalogue());

    const QString captions[] = {u"Азбучно"_s, u"Дължина"_s, u"Избери"_s, u"Изчисти"_s};
    const int lefts[] = {16, 112, 224, 328};
    QPushButton buttons[4];
    for (int i = 0; i < 4; ++i) {
        buttons[i].setParent(&window);
        buttons[i].setText(captions[i]);
        buttons[i].setGeometry(lefts[i], 168, 89, 19);
    }

    QPlainTextEdit text(&window);
    text.setGeometry(8, 192, 449, 121);
    text.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text.setPlainText(u"Да се състави проект  осъществяващ междупредметна връзка ИТ и Информатика\n"
                      u"Проектът да съдържа списък на действащи куриерски фирми. \n"
                      u"Имената на фирмите да са поставени в списъчно поле\n"
                      u"Проектът да съдържа четири командни бутона, чрез които:\n"
                      u" - фирмите се представят сортирани възходящо речниково;\n"
                      u" - фирмите се представят сортирани възходящо по дължина на наименованията;\n"
                      u" - възстановява се началния (ред на потребителя) списък за представяне на фирмите;\n"
                      u" - извежда се в отделно текстово поле название на избрана фирма.\n"_s);
    text.setFocus();

    window.show();
    window.windowHandle()->installEventFilter(new CompareWhenShown(&window));
    return app.exec();
}
