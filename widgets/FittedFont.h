#pragma once

#include <QFont>
#include <QString>

namespace qv {

/// The font made smaller, step by step, until the text fits `room` pixels or
/// the font reaches the smallest size that still reads (6 points, 8 pixels).
/// The fonts here are wider than the ones the windows were laid out for.
QFont fittedFont(QFont font, const QString& text, int room);

} // namespace qv
