#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QWidget;

namespace qv {

/// The family every window of the game writes in.
QString designFontFamily();
/// The windows' font at a point size of their design.
QFont designFont(qreal points, bool bold = false);
/// The windows' font at a size in pixels, where a text must fit a narrow place.
QFont designPixelFont(int pixels, bool bold = false);
/// Sets one colour of a widget's palette and keeps the others.
void setPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

} // namespace qv
