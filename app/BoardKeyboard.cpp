#include "app/BoardKeyboard.h"

#include "app/FocusFrame.h"
#include "app/MainWindow.h"
#include "widgets/PictureBox.h"

#include <QKeyEvent>

namespace qv {

namespace {

constexpr int kPositions = 24;
constexpr int kRowLength = 8;

std::size_t slot(int position) {
    return static_cast<std::size_t>(position);
}

} // namespace

BoardKeyboard::BoardKeyboard(MainWindow& window, QWidget& focusHolder, QWidget& board)
    : QObject(&window), m_window(window), m_frame(new FocusFrame(&board)) {
    focusHolder.installEventFilter(this);
}

PictureBox* BoardKeyboard::shownBlock(int position) const {
    const MainView& view = m_window.game().view;
    const std::string& name =
        view.cover(position).visible ? coverNames()[slot(position)] : faceNames()[slot(position)];
    return static_cast<PictureBox*>(m_window.control(name));
}

bool BoardKeyboard::onBoard(int k) const {
    const MainView& view = m_window.game().view;
    return k >= 1 && k <= m_window.game().state.BlockCount && view.frame(k).visible &&
           view.face(k).visible;
}

int BoardKeyboard::next(int position, int step) const {
    for (int n = 1; n < kPositions; ++n) {
        const int k = ((position - 1 + n * step) % kPositions + kPositions) % kPositions + 1;
        if (onBoard(k))
            return k;
    }
    return position;
}

int BoardKeyboard::first() const {
    return onBoard(1) ? 1 : next(1, 1);
}

int BoardKeyboard::last() const {
    return onBoard(kPositions) ? kPositions : next(kPositions, -1);
}

void BoardKeyboard::point(int position) {
    if (!onBoard(position))
        return;
    m_pointed = position;
    m_frame->setGeometry(m_window.control(frameNames()[slot(position)])->geometry());
    m_frame->show();
    m_frame->raise();
    m_window.render();
}

void BoardKeyboard::turn() {
    // The computer's turn locks the window without greying it; a key waits too.
    if (!m_window.game().view.form.enabled || !m_window.isEnabled())
        return;
    if (m_window.game().view.cover(m_pointed).visible)
        shownBlock(m_pointed)->click();
}

void BoardKeyboard::update() {
    if (m_pointed == 0)
        return;
    if (onBoard(m_pointed)) {
        m_frame->setGeometry(m_window.control(frameNames()[slot(m_pointed)])->geometry());
        return;
    }
    const int successor = next(m_pointed, 1);
    if (onBoard(successor)) {
        point(successor);
    } else {
        m_pointed = 0;
        m_frame->hide();
    }
}

bool BoardKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    // The first key only shows the frame, on the first or the last block.
    const bool shown = m_pointed != 0;
    switch (key->key()) {
    case Qt::Key_Right:
        point(shown ? next(m_pointed, 1) : first());
        return true;
    case Qt::Key_Left:
        point(shown ? next(m_pointed, -1) : first());
        return true;
    case Qt::Key_Down:
        point(shown ? next(m_pointed, kRowLength) : first());
        return true;
    case Qt::Key_Up:
        point(shown ? next(m_pointed, -kRowLength) : first());
        return true;
    case Qt::Key_Home:
        point(first());
        return true;
    case Qt::Key_End:
        point(last());
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!shown)
            point(first());
        else if (!key->isAutoRepeat())
            turn();
        return true;
    default:
        return false;
    }
}

} // namespace qv
