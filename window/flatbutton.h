#pragma once

#include <QPushButton>

// A button drawn flat in its palette's button colour, with a thin raised
// edge, a sunken one while pressed, and a dotted focus frame when it has the
// focus. The desktop's style would shade the colour; these buttons show it as
// set. The form makes them autoDefault, so that Enter presses the one that
// has the focus, as Space does.
class FlatButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
