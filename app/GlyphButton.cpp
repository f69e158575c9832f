#include "app/GlyphButton.h"

#include "widgets/FittedFont.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace qv {

GlyphButton::GlyphButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void GlyphButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect area = rect().adjusted(2, 2, -2, -2);
    const bool tall = height() > 2 * width() / 3;
    const int glyph =
        tall ? std::min(area.width(), area.height() / 2) * 3 / 4 : std::min(area.height() - 6, 14);
    const int gap = 2;
    const QFont font =
        fittedFont(this->font(), text(), tall ? area.width() : area.width() - glyph - gap);
    painter.setFont(font);
    const int textWidth = QFontMetrics(font).horizontalAdvance(text());
    QRect glyphRect;
    QRect textRect;
    if (tall) {
        const int top = area.top() + area.height() / 8;
        glyphRect = QRect(area.center().x() - glyph / 2, top, glyph, glyph);
        textRect = QRect(area.left(), glyphRect.bottom() + area.height() / 8, area.width(),
                         QFontMetrics(font).height());
    } else {
        const int total = std::min(area.width(), glyph + gap + textWidth);
        const int left = area.left() + (area.width() - total) / 2;
        glyphRect = QRect(left, area.center().y() - glyph / 2 + 1, glyph, glyph);
        textRect = QRect(glyphRect.right() + gap + 1, area.top(),
                         area.right() - glyphRect.right() - gap, area.height());
    }
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    icon().paint(&painter, glyphRect, Qt::AlignCenter, mode);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textRect, (tall ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter,
                     text());
}

} // namespace qv
