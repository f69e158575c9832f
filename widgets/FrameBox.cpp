#include "widgets/FrameBox.h"

#include <QPainter>

namespace qv {

FrameBox::FrameBox(QWidget* parent, bool raised) : QWidget(parent), m_raised(raised) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor dark(0, 0, 0, 110);
    const QColor light(255, 255, 255, 120);
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.setPen(m_raised ? light : dark);
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    painter.setPen(m_raised ? dark : light);
    painter.drawRect(inner.adjusted(0, 0, 1, 1));
}

} // namespace qv
