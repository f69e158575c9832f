#include "platform/qt/InputGuard.h"

#include <QApplication>
#include <QEvent>

namespace qv {

namespace {

bool fromPerson(const QEvent& event) {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    case QEvent::Close:
        return event.spontaneous();
    default:
        return false;
    }
}

} // namespace

InputGuard::InputGuard(std::function<bool(QObject*)> blocks) : m_blocks(std::move(blocks)) {
    QApplication::instance()->installEventFilter(this);
}

InputGuard::~InputGuard() {
    QApplication::instance()->removeEventFilter(this);
}

bool InputGuard::eventFilter(QObject* watched, QEvent* event) {
    if (!fromPerson(*event) || !m_blocks(watched))
        return false;
    event->ignore(); // a window manager's close request is refused, not granted
    return true;
}

} // namespace qv
