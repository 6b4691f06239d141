#pragma once

#include "catalogue.h"
#include "mainform.h"

#include <QTest>

#include <memory>

// The window as the program opens it: built from the catalogue, its lists
// loaded, on screen. A window that cannot be opened ends the test run.
inline std::unique_ptr<MainForm> shownForm()
{
    auto form = std::make_unique<MainForm>(Catalogue());
    if (!form->Load())
        qFatal("the window's lists did not load");
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qFatal("the window never showed");
    return form;
}
