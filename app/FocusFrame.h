#pragma once

#include <QWidget>

namespace qv {

/// The frame round the block the keyboard points at: yellow between two black
/// lines, so it stands out on the block's back and on any figure. It takes no
/// clicks, so the mouse reaches the block under it.
class FocusFrame final : public QWidget {
public:
    explicit FocusFrame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qv
