#include "flatbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <qdrawutil.h>

void FlatButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const bool pressed = isDown() || isChecked();
    qDrawShadePanel(&painter, rect(), palette(), pressed, 1, &palette().button());

    QStyleOptionButton label;
    initStyleOption(&label);
    painter.drawControl(QStyle::CE_PushButtonLabel, label);

    // The focus frame is dotted in the caption's colour, which the form keeps
    // readable on the button's colour; the style's own frame is too faint on
    // these bright colours.
    if (hasFocus()) {
        QPen dots(palette().buttonText(), 1);
        dots.setDashPattern({1, 1});
        painter.setPen(dots);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}
