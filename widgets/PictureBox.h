#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace qv {

/// A picture control that stretches its picture over its area. When it stops
/// taking clicks it keeps its look, unlike a disabled Qt widget, which greys.
/// A screen reader hears it by its accessible name; one without a name is
/// decoration and stays out of its way.
class PictureBox final : public QWidget {
public:
    explicit PictureBox(QWidget* parent);

    void setPicture(const QPixmap& picture);
    void setTakesClicks(bool takesClicks) { m_takesClicks = takesClicks; }
    bool takesClicks() const { return m_takesClicks; }
    void setOnClick(std::function<void()> onClick) { m_onClick = std::move(onClick); }
    bool clickable() const { return static_cast<bool>(m_onClick); }
    /// What a click does while the picture takes clicks; the mouse, the keyboard
    /// and a screen reader all press it here.
    void click();

    /// Lets Tab reach the picture and Space press it. Its focus mark shows once a
    /// key was used in its window, so a mouse user sees the picture unchanged.
    void setKeyboardReachable(bool reachable);
    /// The picture the keyboard points at while the focus stays elsewhere (a
    /// block of the board); screen readers hear it as focused.
    void setPointed(bool pointed) { m_pointed = pointed; }
    bool pointed() const { return m_pointed; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool showsFocusMark() const;

    QPixmap m_picture;
    bool m_takesClicks = true;
    bool m_keyboardReachable = false;
    bool m_pointed = false;
    std::function<void()> m_onClick;
};

/// Set on a window once a key was pressed in it: from then on its pictures show
/// where the focus is.
inline constexpr char kKeyboardUsedProperty[] = "qvKeyboardUsed";

} // namespace qv
