#include "widgets/PictureBox.h"

#include "widgets/PictureBoxAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qv {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    registerPictureBoxAccessibility();
}

void PictureBox::setPicture(const QPixmap& picture) {
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void PictureBox::click() {
    if (m_takesClicks && m_onClick)
        m_onClick();
}

void PictureBox::setKeyboardReachable(bool reachable) {
    m_keyboardReachable = reachable;
    setFocusPolicy(reachable ? Qt::TabFocus : Qt::NoFocus);
}

bool PictureBox::showsFocusMark() const {
    return m_keyboardReachable && hasFocus() && window()->property(kKeyboardUsedProperty).toBool();
}

bool PictureBox::event(QEvent* event) {
    if (m_keyboardReachable && event->type() == QEvent::KeyPress &&
        !window()->property(kKeyboardUsedProperty).toBool()) {
        window()->setProperty(kKeyboardUsedProperty, true);
        update();
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update();
    return QWidget::event(event);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_picture);
    }
    if (showsFocusMark()) {
        // Dark and light together stay visible on any picture.
        painter.setPen(QPen(Qt::black, 3));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
        painter.setPen(QPen(Qt::yellow, 1));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_takesClicks && m_onClick) {
        click();
        return;
    }
    QWidget::mousePressEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (m_keyboardReachable && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace qv
