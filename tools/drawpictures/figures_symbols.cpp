// "Símbolos": white pictograms on one uniform blue, told apart by shape alone.

#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <numbers>

namespace draw {

namespace {

constexpr int kFace = 66 * kScale;
constexpr int kBox = 42 * kScale;
const QColor kBlue(28, 100, 210);

using Paint = std::function<void(QPainter&)>;

QPen whitePen(qreal width) {
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Cuts a line out of what is already drawn, so the blue shows through.
void carve(QPainter& p, const QPainterPath& path, qreal width) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void heart(QPainter& p) {
    QPainterPath h;
    h.moveTo(0, 42);
    h.cubicTo(-30, 20, -48, 4, -48, -14);
    h.cubicTo(-48, -34, -34, -44, -22, -44);
    h.cubicTo(-11, -44, -3, -38, 0, -29);
    h.cubicTo(3, -38, 11, -44, 22, -44);
    h.cubicTo(34, -44, 48, -34, 48, -14);
    h.cubicTo(48, 4, 30, 20, 0, 42);
    p.drawPath(h);
}

void star(QPainter& p) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? 48 : 19;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        points << QPointF(r * std::cos(a), r * std::sin(a) + 4);
    }
    p.setPen(whitePen(7));
    p.drawPolygon(points);
}

void note(QPainter& p) {
    for (QPointF head : {QPointF(-24, 32), QPointF(24, 22)}) {
        p.save();
        p.translate(head);
        p.rotate(-22);
        p.drawEllipse(QPointF(0, 0), 15, 10.5);
        p.restore();
    }
    p.setPen(whitePen(7));
    p.drawLine(QPointF(-11, 28), QPointF(-11, -32));
    p.drawLine(QPointF(37, 18), QPointF(37, -42));
    p.setPen(Qt::NoPen);
    const QPointF beam[] = {{-14.5, -30}, {40.5, -44}, {40.5, -28}, {-14.5, -14}};
    p.drawPolygon(beam, 4);
}

void lightning(QPainter& p) {
    const QPointF bolt[] = {{8, -50}, {-30, 8}, {-4, 8}, {-14, 50}, {30, -12}, {4, -12}, {22, -50}};
    p.setPen(whitePen(4));
    p.drawPolygon(bolt, 7);
}

void moon(QPainter& p) {
    QPainterPath disc;
    disc.addEllipse(QPointF(0, 0), 46, 46);
    QPainterPath bite;
    bite.addEllipse(QPointF(22, -14), 38, 38);
    p.drawPath(disc.subtracted(bite));
}

void sun(QPainter& p) {
    p.drawEllipse(QPointF(0, 0), 22, 22);
    p.setPen(whitePen(9));
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * std::numbers::pi / 4;
        p.drawLine(QPointF(32 * std::cos(a), 32 * std::sin(a)),
                   QPointF(46 * std::cos(a), 46 * std::sin(a)));
    }
}

void anchor(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(whitePen(10));
    p.drawEllipse(QPointF(0, -40), 8, 8);
    p.drawLine(QPointF(0, -31), QPointF(0, 44));
    p.drawLine(QPointF(-20, -16), QPointF(20, -16));
    QPainterPath arms;
    arms.moveTo(-38, 12);
    arms.cubicTo(-36, 34, -18, 44, 0, 44);
    arms.cubicTo(18, 44, 36, 34, 38, 12);
    p.drawPath(arms);
    p.setPen(whitePen(3));
    p.setBrush(Qt::white);
    const QPointF left[] = {{-46, 18}, {-38, 2}, {-28, 16}};
    const QPointF right[] = {{46, 18}, {38, 2}, {28, 16}};
    p.drawPolygon(left, 3);
    p.drawPolygon(right, 3);
}

void key(QPainter& p) {
    p.rotate(-40);
    QPainterPath shape;
    shape.addEllipse(QPointF(-30, 0), 20, 20);
    shape.addRoundedRect(QRectF(-14, -6, 66, 12), 3, 3);
    shape.addRect(QRectF(30, 4, 8, 16));
    shape.addRect(QRectF(42, 4, 8, 12));
    shape = shape.simplified();
    p.drawPath(shape);
    QPainterPath hole;
    hole.addEllipse(QPointF(-34, 0), 8, 8);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawPath(hole);
    p.restore();
}

void bell(QPainter& p) {
    QPainterPath body;
    body.moveTo(-44, 30);
    body.cubicTo(-32, 22, -30, 8, -30, -8);
    body.cubicTo(-30, -30, -16, -38, 0, -38);
    body.cubicTo(16, -38, 30, -30, 30, -8);
    body.cubicTo(30, 8, 32, 22, 44, 30);
    body.closeSubpath();
    p.setPen(whitePen(4));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 40), 9, 9);
    p.drawEllipse(QPointF(0, -42), 6, 6);
    QPainterPath shine;
    shine.moveTo(-18, 14);
    shine.cubicTo(-18, 0, -18, -16, -8, -24);
    carve(p, shine, 5);
}

void drop(QPainter& p) {
    QPainterPath d;
    d.moveTo(0, -52);
    d.cubicTo(12, -30, 36, -6, 36, 16);
    d.cubicTo(36, 36, 20, 50, 0, 50);
    d.cubicTo(-20, 50, -36, 36, -36, 16);
    d.cubicTo(-36, -6, -12, -30, 0, -52);
    p.drawPath(d);
    QPainterPath shine;
    shine.moveTo(-20, 18);
    shine.cubicTo(-20, 30, -12, 36, -4, 38);
    carve(p, shine, 6);
}

void leaf(QPainter& p) {
    p.rotate(45);
    QPainterPath blade;
    blade.moveTo(0, -50);
    blade.cubicTo(32, -30, 32, 22, 0, 40);
    blade.cubicTo(-32, 22, -32, -30, 0, -50);
    p.drawPath(blade);
    p.setPen(whitePen(7));
    p.drawLine(QPointF(0, 38), QPointF(0, 54));
    QPainterPath veins;
    veins.moveTo(0, 34);
    veins.lineTo(0, -36);
    for (qreal y : {-16.0, 4.0, 22.0}) {
        veins.moveTo(0, y);
        veins.lineTo(-14, y - 14);
        veins.moveTo(0, y);
        veins.lineTo(14, y - 14);
    }
    carve(p, veins, 4);
}

void arrow(QPainter& p) {
    const QPointF shape[] = {{-48, -11}, {4, -11}, {4, -34}, {48, 0}, {4, 34}, {4, 11}, {-48, 11}};
    p.setPen(whitePen(6));
    p.drawPolygon(shape, 7);
}

QImage pictogram(const Paint& paint) {
    QImage big = newImage(256, 256);
    {
        QPainter p(&big);
        smooth(p);
        p.translate(128, 128);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        paint(p);
    }
    const QImage art = fitted(big, kBox);
    if (art.isNull())
        return {};
    QImage image = newImage(kFace, kFace, kBlue);
    QPainter p(&image);
    smooth(p);
    const QPointF at((kFace - art.width()) / 2.0, (kFace - art.height()) / 2.0);
    drawWithShadow(p, art, at, QPointF(0, 3), 3, QColor(0, 20, 80, 110));
    return image;
}

} // namespace

void drawSymbols(Writer& out) {
    const Paint symbols[] = {heart,  star, note, lightning, moon, sun,
                             anchor, key,  bell, drop,      leaf, arrow};
    int number = 0;
    for (const Paint& paint : symbols) {
        ++number;
        out.jpeg(QStringLiteral("figures/simbolos_%1.jpg").arg(number, 2, 10, QLatin1Char('0')),
                 pictogram(paint));
    }
}

} // namespace draw
