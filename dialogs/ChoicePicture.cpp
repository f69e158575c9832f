#include "dialogs/ChoicePicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace qv {

ChoicePicture::ChoicePicture(QWidget* parent, QPixmap plain, QPixmap lit)
    : QWidget(parent), m_plain(std::move(plain)), m_litPicture(std::move(lit)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ChoicePicture::setLit(bool lit) {
    if (lit == m_lit)
        return;
    m_lit = lit;
    update();
}

void ChoicePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_lit ? m_litPicture : m_plain);
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void ChoicePicture::hover() {
    if (m_onHover)
        m_onHover();
}

void ChoicePicture::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    hover();
}

void ChoicePicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        m_onChoose)
        m_onChoose();
}

void ChoicePicture::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        hover();
        if (m_onChoose)
            m_onChoose();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ChoicePicture::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // The keyboard lights a choice as the mouse does.
    hover();
    update();
}

void ChoicePicture::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace qv
