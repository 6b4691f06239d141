#pragma once

#include <QWidget>
#include <QtGlobal>

// A control of the window by its object name; a missing one ends the test
// run, since every check after it would be meaningless.
template <typename Widget>
Widget *formControl(const QWidget *form, const QString &name)
{
    auto *widget = form->findChild<Widget *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}
