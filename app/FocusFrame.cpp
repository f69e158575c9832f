#include "app/FocusFrame.h"

#include <QPainter>

namespace qv {

FocusFrame::FocusFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Ring by ring from the outside in; the inside stays clear.
    const QColor rings[] = {Qt::black, QColor(255, 221, 0), QColor(255, 221, 0),
                            QColor(255, 221, 0), Qt::black};
    int inset = 0;
    for (const QColor& ring : rings) {
        painter.setPen(ring);
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
        ++inset;
    }
}

} // namespace qv
