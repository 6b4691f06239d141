#include "flatbutton.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
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

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
