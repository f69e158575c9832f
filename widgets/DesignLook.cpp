#include "widgets/DesignLook.h"

#include <QWidget>

namespace qv {

QString designFontFamily() {
    return QStringLiteral("Liberation Sans");
}

QFont designFont(qreal points, bool bold) {
    QFont font(designFontFamily());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont designPixelFont(int pixels, bool bold) {
    QFont font(designFontFamily());
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace qv
