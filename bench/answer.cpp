// How fast the window answers: each of the four buttons clicked with the
// mouse on the real window, timed from the click until what it changed (the
// list, or the text box) has been repainted, 1,000 times each. Prints the
// median and the worst.

#include "catalogue.h"
#include "expectedorders.h"
#include "listwidgetitems.h"
#include "mainform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct Button
{
    const char *objectName;
    const char *caption;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainForm form(Catalogue());
    if (!form.Load())
        return EXIT_FAILURE;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return EXIT_FAILURE;

    auto *list = form.findChild<QListWidget *>(u"List1_0"_s);
    auto *text = form.findChild<QPlainTextEdit *>(u"Text1_0"_s);
    const Button buttons[] = {{"Command1_0", "Азбучно"}, {"Command1_3", "Дължина"},
                              {"Command1_1", "Избери"}, {"Command1_2", "Изчисти"}};
    constexpr int clicks = 1000;

    std::printf("from a click to the repainted list or text box, %d clicks each (goal: under 1 ms)\n", clicks);
    for (const Button &button : buttons) {
        auto *widget = form.findChild<QPushButton *>(QString::fromLatin1(button.objectName));
        const bool reports = widget->objectName() == u"Command1_1"_s;
        // What the click changes: the text box for a report, the list otherwise.
        QWidget *changed = reports ? text->viewport() : list->viewport();
        std::vector<double> micros;
        micros.reserve(clicks);
        QElapsedTimer timer;
        for (int click = 0; click < clicks; ++click) {
            if (reports)
                list->setCurrentRow(click % list->count()); // the user's choice, not timed
            timer.start();
            QTest::mouseClick(widget, Qt::LeftButton);
            changed->repaint();
            micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
        }
        std::sort(micros.begin(), micros.end());
        std::printf("  %-8s median %7.1f us   worst %7.1f us\n", button.caption,
                    micros[micros.size() / 2], micros.back());
    }

    // The clicks must have done their work: the last was "Изчисти".
    if (itemsOf(list) != ExpectedOrder::userOrder || !text->toPlainText().isEmpty()) {
        std::fprintf(stderr, "the window does not show what the buttons asked for\n");
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
