#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace qv {

/// One choice of the game definition window: its plain picture, or its lit one
/// while the mouse is over it or it holds the keyboard focus. A click, Space or
/// Enter chooses it. It draws a focus frame so a keyboard user sees where it is.
class ChoicePicture final : public QWidget {
public:
    ChoicePicture(QWidget* parent, QPixmap plain, QPixmap lit);

    void setLit(bool lit);
    bool lit() const { return m_lit; }
    /// The mouse or the focus came over the choice.
    void setOnHover(std::function<void()> onHover) { m_onHover = std::move(onHover); }
    void setOnChoose(std::function<void()> onChoose) { m_onChoose = std::move(onChoose); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void hover();

    QPixmap m_plain;
    QPixmap m_litPicture;
    bool m_lit = false;
    std::function<void()> m_onHover;
    std::function<void()> m_onChoose;
};

} // namespace qv
