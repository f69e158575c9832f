#include "widgets/FittedFont.h"

#include <QFontMetrics>

namespace qv {

QFont fittedFont(QFont font, const QString& text, int room) {
    const auto fits = [&] {
        return QFontMetrics(font).horizontalAdvance(text) <= room;
    };
    if (font.pixelSize() > 0) {
        while (!fits() && font.pixelSize() > 8)
            font.setPixelSize(font.pixelSize() - 1);
        return font;
    }
    while (!fits() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

} // namespace qv
