#pragma once

#include "ui_mainform.h"

#include "integer.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class FormControls;
class WidgetControls;

// The program's one window. Everything it shows is described in
// mainform.ui; this class only binds that form to the logic: Load fills the
// lists from the catalogue before the window is first shown, and each of the
// four buttons of the group Command1 runs RunCommand with its number. The
// hidden lists and text are data (see widgetcontrols.h), not widgets.
class MainForm : public QWidget
{
    Q_OBJECT

public:
    explicit MainForm(const QStringList &catalogue, QWidget *parent = nullptr);
    ~MainForm() override;

    // Returns false, after emitting failed(), when the lists cannot be filled.
    bool Load();

    // The lists and text boxes as the logic sees them.
    const FormControls &controls() const;

    // Runs each job, in order, once the window is first on screen, each in a
    // pass of the event loop of its own: a browser paints and answers
    // between them.
    void afterFirstShown(const QList<std::function<void()>> &jobs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // An error the program cannot carry on from; the message names it.
    void failed(const QString &message);

private:
    void Click(int index);
    void runNextJobLater();

    Ui::MainForm ui;
    std::unique_ptr<WidgetControls> m_controls;
    QList<std::function<void()>> m_afterFirstShown;
};
