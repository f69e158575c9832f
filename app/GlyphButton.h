#pragma once

#include <QAbstractButton>

namespace qv {

/// A button with a glyph: above the caption on a tall button, beside it on a
/// short one. It draws its own tight layout so captions fit the design widths.
class GlyphButton final : public QAbstractButton {
public:
    explicit GlyphButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qv
