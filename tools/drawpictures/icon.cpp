// The window icon: a face-down card behind a face-up one, the whole game in
// one picture.

#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace draw {

namespace {

// Design grid of the icon; every size is drawn from it.
constexpr qreal kGrid = 256;
const QRectF kCard(-60, -80, 120, 160);
constexpr qreal kCorner = 18;

void paintBack(QPainter& p) {
    QLinearGradient base(kCard.topLeft(), kCard.bottomRight());
    base.setColorAt(0.0, QColor(110, 76, 210));
    base.setColorAt(1.0, QColor(34, 30, 118));
    p.setPen(QPen(QColor(24, 18, 80), 3));
    p.setBrush(base);
    p.drawRoundedRect(kCard, kCorner, kCorner);

    p.setPen(QPen(QColor(240, 196, 84, 200), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kCard.adjusted(12, 12, -12, -12), 10, 10);

    // The emblem sits high and to the left, where the front card leaves it
    // visible.
    const QPointF emblem(-12, -30);
    p.setPen(QPen(QColor(240, 196, 84), 5));
    p.setBrush(QColor(40, 28, 120));
    p.drawEllipse(emblem, 26, 26);
    QPainterPath q;
    q.addText(0, 0, sansBold(36), QStringLiteral("Q"));
    q.translate(emblem - q.boundingRect().center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 222, 120));
    p.drawPath(q);
}

void paintFront(QPainter& p) {
    QLinearGradient base(kCard.topLeft(), kCard.bottomRight());
    base.setColorAt(0.0, QColor(255, 255, 255));
    base.setColorAt(1.0, QColor(226, 236, 250));
    p.setPen(QPen(QColor(150, 160, 180), 3));
    p.setBrush(base);
    p.drawRoundedRect(kCard, kCorner, kCorner);

    QPainterPath heart;
    heart.moveTo(0, 40);
    heart.cubicTo(-30, 18, -46, 2, -46, -16);
    heart.cubicTo(-46, -34, -32, -44, -20, -44);
    heart.cubicTo(-10, -44, -3, -38, 0, -30);
    heart.cubicTo(3, -38, 10, -44, 20, -44);
    heart.cubicTo(32, -44, 46, -34, 46, -16);
    heart.cubicTo(46, 2, 30, 18, 0, 40);
    QRadialGradient red(QPointF(-14, -24), 70);
    red.setColorAt(0.0, QColor(255, 110, 120));
    red.setColorAt(1.0, QColor(200, 20, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPath(heart);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(-24, -24), 8, 6);
}

template <typename Paint> QImage cardLayer(int size, QPointF centre, qreal angle, Paint paint) {
    QImage layer = newImage(size, size);
    QPainter p(&layer);
    smooth(p);
    p.scale(size / kGrid, size / kGrid);
    p.translate(centre);
    p.rotate(angle);
    paint(p);
    return layer;
}

QImage iconImage(int size) {
    QImage image = newImage(size, size);
    QPainter p(&image);
    smooth(p);
    const qreal unit = size / kGrid;
    const int blur = std::max(1, qRound(5 * unit));
    const QColor shadow(0, 0, 0, 110);
    drawWithShadow(p, cardLayer(size, {92, 114}, -14, paintBack), {0, 0}, {0, 4 * unit}, blur,
                   shadow);
    drawWithShadow(p, cardLayer(size, {160, 140}, 10, paintFront), {0, 0}, {0, 4 * unit}, blur,
                   shadow);
    return image;
}

} // namespace

void drawIcons(Writer& out) {
    out.png(QStringLiteral("icons/quorvanella.png"), iconImage(256));
    for (int size : {16, 32, 48, 64, 128, 256}) {
        out.png(QStringLiteral("icons/hicolor/%1x%1/apps/io.github.quorvanella.Quorvanella.png")
                    .arg(size),
                iconImage(size));
    }
}

} // namespace draw
