// The pictures of the main window itself: the back of a block, the button
// glyphs and the strip under the players' title.

#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace draw {

namespace {

const QColor kGold(240, 196, 84);
const QColor kGoldDark(150, 100, 10);

QImage blockBack() {
    const int s = 67 * kScale;
    QImage image = newImage(s, s);
    QPainter p(&image);
    smooth(p);

    QLinearGradient base(0, 0, s, s);
    base.setColorAt(0.0, QColor(104, 70, 200));
    base.setColorAt(1.0, QColor(34, 30, 118));
    p.fillRect(image.rect(), base);

    QRadialGradient glow(s / 2.0, s / 2.0, s * 0.55);
    glow.setColorAt(0.0, QColor(255, 255, 255, 46));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);

    // A quilted lattice of small diamonds: busy enough to read as a card back,
    // faint enough not to compete with the emblem.
    const qreal step = s / 8.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 30));
    for (int row = 0; row <= 8; ++row) {
        for (int col = 0; col <= 8; ++col) {
            const qreal x = col * step + (row % 2 == 0 ? 0.0 : step / 2);
            const qreal y = row * step;
            const qreal r = 3.2;
            const QPointF diamond[] = {{x, y - r}, {x + r, y}, {x, y + r}, {x - r, y}};
            p.drawPolygon(diamond, 4);
        }
    }

    // Bevel: lit from the top left, like the rest of the window.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 90), 3));
    p.drawLine(QPointF(1.5, s - 1.5), QPointF(1.5, 1.5));
    p.drawLine(QPointF(1.5, 1.5), QPointF(s - 1.5, 1.5));
    p.setPen(QPen(QColor(0, 0, 20, 120), 3));
    p.drawLine(QPointF(1.5, s - 1.5), QPointF(s - 1.5, s - 1.5));
    p.drawLine(QPointF(s - 1.5, s - 1.5), QPointF(s - 1.5, 1.5));

    QColor frame = kGold;
    frame.setAlpha(150);
    p.setPen(QPen(frame, 2));
    p.drawRoundedRect(QRectF(10, 10, s - 20, s - 20), 10, 10);

    // The emblem, in its own layer so it can cast a shadow.
    QImage emblem = newImage(s, s);
    {
        QPainter e(&emblem);
        smooth(e);
        const QPointF c(s / 2.0, s / 2.0);
        const qreal r = 26;
        QRadialGradient disc(c - QPointF(8, 10), r * 1.6);
        disc.setColorAt(0.0, QColor(86, 60, 190));
        disc.setColorAt(1.0, QColor(28, 20, 96));
        e.setBrush(disc);
        e.setPen(QPen(kGold, 3.5));
        e.drawEllipse(c, r, r);

        QLinearGradient letter(0, c.y() - 18, 0, c.y() + 18);
        letter.setColorAt(0.0, QColor(255, 236, 160));
        letter.setColorAt(1.0, QColor(226, 160, 40));
        QPainterPath q;
        const QFont font = sansBold(34);
        q.addText(0, 0, font, QStringLiteral("Q"));
        const QRectF box = q.boundingRect();
        q.translate(c - box.center() + QPointF(0, -1));
        e.setPen(Qt::NoPen);
        e.setBrush(letter);
        e.drawPath(q);
    }
    drawWithShadow(p, emblem, QPointF(0, 0), QPointF(0, 2.5), 3, QColor(0, 0, 30, 150));
    return image;
}

// A glyph drawn on a 100 x 100 grid, scaled to `size`, with a soft shadow.
template <typename Paint> QImage glyph(int size, Paint paint) {
    QImage layer = newImage(size, size);
    {
        QPainter p(&layer);
        smooth(p);
        p.scale(size / 100.0, size / 100.0);
        paint(p);
    }
    QImage image = newImage(size, size);
    QPainter p(&image);
    smooth(p);
    const qreal unit = size / 100.0;
    drawWithShadow(p, layer, QPointF(0, 0), QPointF(0, 3 * unit), std::max(1, qRound(3 * unit)),
                   QColor(0, 0, 0, 90));
    return image;
}

// Glossy top half over a filled shape, clipped to it.
void gloss(QPainter& p, const QPainterPath& shape) {
    p.save();
    p.setClipPath(shape);
    const QRectF box = shape.boundingRect();
    QLinearGradient shine(0, box.top(), 0, box.center().y());
    shine.setColorAt(0.0, QColor(255, 255, 255, 120));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(box.left(), box.top(), box.width(), box.height() / 2), shine);
    p.restore();
}

void paintPlay(QPainter& p) {
    QPainterPath triangle;
    triangle.moveTo(30, 18);
    triangle.lineTo(82, 50);
    triangle.lineTo(30, 82);
    triangle.closeSubpath();
    // Round the corners by stroking with a wide round join.
    QPainterPathStroker stroker;
    stroker.setWidth(14);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath shape = stroker.createStroke(triangle).united(triangle).simplified();
    QLinearGradient fill(0, 10, 0, 90);
    fill.setColorAt(0.0, QColor(70, 150, 250));
    fill.setColorAt(1.0, QColor(16, 70, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);
    gloss(p, shape);
}

void paintStop(QPainter& p) {
    QPainterPath square;
    square.addRoundedRect(QRectF(20, 20, 60, 60), 13, 13);
    QLinearGradient fill(0, 20, 0, 80);
    fill.setColorAt(0.0, QColor(214, 60, 70));
    fill.setColorAt(1.0, QColor(128, 0, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(square);
    gloss(p, square);
}

void paintClock(QPainter& p) {
    const QPointF c(50, 50);
    QRadialGradient face(c - QPointF(10, 12), 50);
    face.setColorAt(0.0, Qt::white);
    face.setColorAt(1.0, QColor(222, 232, 246));
    p.setBrush(face);
    p.setPen(QPen(QColor(30, 96, 200), 11));
    p.drawEllipse(c, 39, 39);
    p.setPen(QPen(QColor(40, 44, 56), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(50, 24));
    p.drawLine(c, QPointF(70, 60));
}

void paintPerson(QPainter& p) {
    QLinearGradient fill(0, 8, 0, 94);
    fill.setColorAt(0.0, QColor(255, 168, 60));
    fill.setColorAt(1.0, QColor(214, 96, 10));
    p.setPen(QPen(QColor(150, 60, 0), 4));
    p.setBrush(fill);
    p.drawEllipse(QPointF(50, 30), 20, 20);
    QPainterPath body;
    body.moveTo(12, 94);
    body.cubicTo(12, 58, 30, 54, 50, 54);
    body.cubicTo(70, 54, 88, 58, 88, 94);
    body.closeSubpath();
    p.drawPath(body);
}

void paintFrame(QPainter& p) {
    const QRectF outer(8, 14, 84, 72);
    QPainterPath inside;
    inside.addRect(outer.adjusted(8, 8, -8, -8));
    p.setPen(QPen(QColor(120, 70, 20), 4));
    p.setBrush(QColor(206, 142, 60));
    p.drawRoundedRect(outer, 6, 6);
    p.setPen(Qt::NoPen);
    QLinearGradient sky(0, 22, 0, 78);
    sky.setColorAt(0.0, QColor(120, 196, 255));
    sky.setColorAt(1.0, QColor(200, 236, 255));
    p.setBrush(sky);
    p.drawPath(inside);
    p.save();
    p.setClipPath(inside);
    p.setBrush(QColor(255, 206, 40));
    p.drawEllipse(QPointF(68, 36), 8, 8);
    QPainterPath hills;
    hills.moveTo(14, 80);
    hills.lineTo(38, 44);
    hills.lineTo(56, 66);
    hills.lineTo(66, 54);
    hills.lineTo(88, 80);
    hills.closeSubpath();
    p.setBrush(QColor(40, 150, 60));
    p.drawPath(hills);
    p.restore();
}

QPainterPath trophyShape() {
    QPainterPath cup;
    cup.moveTo(24, 10);
    cup.lineTo(76, 10);
    cup.cubicTo(76, 46, 64, 60, 50, 60);
    cup.cubicTo(36, 60, 24, 46, 24, 10);
    cup.closeSubpath();
    QPainterPath stand;
    stand.addRect(QRectF(44, 58, 12, 16));
    stand.addRoundedRect(QRectF(28, 74, 44, 16), 4, 4);
    return cup.united(stand);
}

void paintTrophy(QPainter& p) {
    QPen rim(kGoldDark, 4);
    p.setPen(QPen(kGoldDark, 15, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 16, 30, 28), 90 * 16, 180 * 16);
    p.drawArc(QRectF(62, 16, 30, 28), 90 * 16, -180 * 16);
    p.setPen(QPen(kGold, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(8, 16, 30, 28), 90 * 16, 180 * 16);
    p.drawArc(QRectF(62, 16, 30, 28), 90 * 16, -180 * 16);
    QLinearGradient gold(24, 0, 76, 0);
    gold.setColorAt(0.0, QColor(255, 226, 120));
    gold.setColorAt(0.5, kGold);
    gold.setColorAt(1.0, QColor(210, 150, 30));
    p.setPen(rim);
    p.setBrush(gold);
    p.drawPath(trophyShape());
}

QImage decoration() {
    const int w = 159 * kScale;
    const int h = 25 * kScale;
    QImage image = newImage(w, h);
    QPainter p(&image);
    smooth(p);
    const qreal y = h / 2.0;
    QLinearGradient line(0, 0, w, 0);
    line.setColorAt(0.0, QColor(255, 230, 130, 0));
    line.setColorAt(0.25, QColor(255, 230, 130, 200));
    line.setColorAt(0.75, QColor(255, 230, 130, 200));
    line.setColorAt(1.0, QColor(255, 230, 130, 0));
    p.setPen(QPen(QBrush(line), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, y), QPointF(w / 2.0 - 22, y));
    p.drawLine(QPointF(w / 2.0 + 22, y), QPointF(w, y));
    p.setPen(Qt::NoPen);
    auto diamond = [&](qreal x, qreal r, const QColor& colour) {
        const QPointF pts[] = {{x, y - r}, {x + r, y}, {x, y + r}, {x - r, y}};
        p.setBrush(colour);
        p.drawPolygon(pts, 4);
    };
    diamond(w / 2.0, 12, QColor(255, 214, 90));
    diamond(w / 2.0, 5, QColor(255, 250, 220));
    for (qreal x : {w / 2.0 - 32, w / 2.0 + 32})
        diamond(x, 5, QColor(255, 230, 130, 220));
    return image;
}

} // namespace

void drawInterface(Writer& out) {
    out.png(QStringLiteral("pictures/block_back.png"), blockBack());
    out.png(QStringLiteral("pictures/glyph_jogar.png"), glyph(32 * kScale, paintPlay));
    out.png(QStringLiteral("pictures/glyph_parar.png"), glyph(32 * kScale, paintStop));
    out.png(QStringLiteral("pictures/glyph_tempo.png"), glyph(14 * kScale, paintClock));
    out.png(QStringLiteral("pictures/glyph_jogador.png"), glyph(14 * kScale, paintPerson));
    out.png(QStringLiteral("pictures/glyph_figuras.png"), glyph(14 * kScale, paintFrame));
    out.png(QStringLiteral("pictures/glyph_records.png"), glyph(14 * kScale, paintTrophy));
    out.png(QStringLiteral("pictures/decoration.png"), decoration());
}

} // namespace draw
