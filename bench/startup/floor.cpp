// The least any window that shows text must do: a bare window of the
// program's size and caption with one line in the program's font.

#include <QApplication>
#include <QLabel>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(u"https://courier-firms.example.org ИТ - списък на куриерски фирми"_s);
    window.setFixedSize(461, 345);
    QLabel line(u"Куриерски фирми -  сортиране на стринг"_s, &window);
    line.setFont(QFont(u"Times New Roman"_s, 12));
    line.setGeometry(32, 0, 337, 25);
    window.show();
    return app.exec();
}
