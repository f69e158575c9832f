#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace qv {

/// A picture control that stretches its picture over its area. When it stops
/// taking clicks it keeps its look, unlike a disabled Qt widget, which greys.
class PictureBox final : public QWidget {
public:
    explicit PictureBox(QWidget* parent);

    void setPicture(const QPixmap& picture);
    void setTakesClicks(bool takesClicks) { m_takesClicks = takesClicks; }
    void setOnClick(std::function<void()> onClick) { m_onClick = std::move(onClick); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    bool m_takesClicks = true;
    std::function<void()> m_onClick;
};

} // namespace qv
