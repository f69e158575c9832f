#pragma once

#include <QWidget>

namespace qv {

/// A bevel drawn as a frame: a dark and a light line, lowered or raised, with
/// nothing inside, so what lies under it shows through.
class FrameBox final : public QWidget {
public:
    FrameBox(QWidget* parent, bool raised);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_raised;
};

} // namespace qv
