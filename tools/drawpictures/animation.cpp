// End-of-match frames: a gold trophy that gleams for a win, a face that
// saddens for a loss. Both on black, where the game shows them.

#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace draw {

namespace {

constexpr int kSize = 65 * kScale;
constexpr int kWinFrames = 7;

// The caption "Vencedor" and its frame cross the lower part of the picture:
// from row 88 down, or row 80 where the window is scaled for an 800-pixel
// screen. Everything of the trophy stays above that band, on plain black, so
// the olive caption reads against black and not against gold or wood.
constexpr qreal kClearFrom = 78;
constexpr qreal kTrophyTop = 16;     // the rim, as the trophy is drawn below
constexpr qreal kTrophyBottom = 118; // the plinth's foot
constexpr qreal kTrophyScale = (kClearFrom - 4) / (kTrophyBottom - kTrophyTop);

QLinearGradient goldAcross(qreal left, qreal right) {
    QLinearGradient gold(left, 0, right, 0);
    gold.setColorAt(0.0, QColor(196, 136, 18));
    gold.setColorAt(0.3, QColor(255, 224, 112));
    gold.setColorAt(0.55, QColor(242, 186, 52));
    gold.setColorAt(1.0, QColor(146, 92, 8));
    return gold;
}

QImage trophy() {
    QImage layer = newImage(kSize, kSize);
    QPainter p(&layer);
    smooth(p);
    p.translate(kSize / 2.0, 4);
    p.scale(kTrophyScale, kTrophyScale);
    p.translate(-kSize / 2.0, -kTrophyTop);

    // Handles first, so the cup covers where they join it.
    const QColor edge(120, 74, 4);
    for (bool left : {true, false}) {
        const QRectF box = left ? QRectF(16, 28, 30, 30) : QRectF(84, 28, 30, 30);
        const int start = 90 * 16;
        const int span = (left ? 180 : -180) * 16;
        p.setPen(QPen(edge, 11, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(box, start, span);
        p.setPen(QPen(QColor(240, 186, 52), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(box, start, span);
    }

    QPainterPath cup;
    cup.moveTo(34, 22);
    cup.lineTo(96, 22);
    cup.cubicTo(96, 62, 82, 78, 65, 78);
    cup.cubicTo(48, 78, 34, 62, 34, 22);
    cup.closeSubpath();
    p.setPen(QPen(edge, 2));
    p.setBrush(goldAcross(34, 96));
    p.drawPath(cup);
    p.setBrush(QColor(150, 96, 10));
    p.drawEllipse(QPointF(65, 22), 31, 5);

    const QPointF stem[] = {{58, 76}, {72, 76}, {69, 92}, {61, 92}};
    p.setBrush(goldAcross(58, 72));
    p.drawPolygon(stem, 4);
    p.setBrush(goldAcross(44, 86));
    p.drawRoundedRect(QRectF(46, 90, 38, 9), 3, 3);

    QLinearGradient wood(0, 100, 0, 118);
    wood.setColorAt(0.0, QColor(110, 62, 30));
    wood.setColorAt(1.0, QColor(58, 30, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(38, 99, 54, 19), 3, 3);
    p.setBrush(goldAcross(52, 78));
    p.drawRoundedRect(QRectF(52, 104, 26, 9), 2, 2);

    // Star embossed on the cup.
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? 13 : 5.5;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPointF(65 + r * std::cos(a), 46 + r * std::sin(a));
    }
    p.setPen(QPen(QColor(170, 110, 10), 1.5));
    p.setBrush(QColor(255, 236, 150));
    p.drawPolygon(star);
    return layer;
}

QImage winFrame(int frame) {
    QImage image = newImage(kSize, kSize, Qt::black);
    QPainter p(&image);
    smooth(p);
    QRadialGradient halo(QPointF(65, 40), 44);
    halo.setColorAt(0.0, QColor(150, 100, 10, 150));
    halo.setColorAt(1.0, QColor(150, 100, 10, 0));
    p.fillRect(image.rect(), halo);

    // The gleam: a slanted band of light laid only over the gold, moving
    // from left to right as the frames advance.
    QImage cup = trophy();
    {
        QPainter g(&cup);
        smooth(g);
        g.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        const qreal centre = 8 + frame * (kSize - 16) / qreal(kWinFrames - 1);
        g.translate(centre, kSize / 2.0);
        g.rotate(22);
        QLinearGradient band(-16, 0, 16, 0);
        band.setColorAt(0.0, QColor(255, 255, 240, 0));
        band.setColorAt(0.5, QColor(255, 255, 240, 215));
        band.setColorAt(1.0, QColor(255, 255, 240, 0));
        g.fillRect(QRectF(-16, -kSize, 32, 2 * kSize), band);
    }
    p.drawImage(0, 0, cup);

    struct Twinkle {
        QPointF at;
        std::array<qreal, kWinFrames> size;
    };
    const Twinkle twinkles[] = {
        {{30, 16}, {7, 4, 0, 0, 0, 3, 6}},
        {{100, 18}, {0, 0, 3, 7, 10, 6, 2}},
        {{110, 58}, {0, 0, 0, 0, 4, 8, 5}},
        {{20, 62}, {0, 5, 8, 4, 0, 0, 0}},
    };
    for (const Twinkle& t : twinkles) {
        const qreal r = t.size[frame];
        if (r > 0)
            drawSparkle(p, t.at, r, QColor(255, 246, 200));
    }
    return image;
}

// step 0: disappointed, 1: sad, 2: crying.
QImage loseFrame(int step) {
    QImage image = newImage(kSize, kSize, Qt::black);
    QPainter p(&image);
    smooth(p);
    const QPointF c(65, 65);
    const qreal r = 50;

    // The face loses some of its colour as it gets sadder.
    const int fade = step * 18;
    QRadialGradient skin(c, r, c - QPointF(16, 20));
    skin.setColorAt(0.0, QColor(255, 236 - fade / 2, 130 - fade));
    skin.setColorAt(1.0, QColor(236 - fade, 168 - fade / 2, 30 + fade));
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawEllipse(c, r, r);

    const QColor ink(70, 44, 20);
    p.setBrush(ink);
    for (qreal side : {-1.0, 1.0}) {
        const QPointF eye(c.x() + side * 17, c.y() - 8 + step);
        p.drawEllipse(eye, 6, 8.5 - step);
        p.save();
        p.setBrush(Qt::white);
        p.drawEllipse(eye + QPointF(-2, -3), 2, 2);
        p.restore();
    }

    // Brows tilt up towards the middle as the sadness grows.
    p.setPen(QPen(ink, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const qreal tilt = step * 5;
    for (qreal side : {-1.0, 1.0}) {
        p.drawLine(QPointF(c.x() + side * 8, c.y() - 24 - tilt),
                   QPointF(c.x() + side * 26, c.y() - 22 + tilt / 2));
    }

    const qreal droop = 2 + step * 7;
    QPainterPath mouth;
    mouth.moveTo(c.x() - 18, c.y() + 26 + droop / 2);
    mouth.quadTo(c.x(), c.y() + 26 - droop, c.x() + 18, c.y() + 26 + droop / 2);
    p.setPen(QPen(ink, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mouth);

    if (step == 2) {
        QPainterPath tear;
        const QPointF top(c.x() + 21, c.y() + 2);
        tear.moveTo(top);
        tear.cubicTo(top + QPointF(3, 6), top + QPointF(8, 12), top + QPointF(8, 17));
        tear.cubicTo(top + QPointF(8, 22), top + QPointF(4, 25), top + QPointF(0, 25));
        tear.cubicTo(top + QPointF(-4, 25), top + QPointF(-8, 22), top + QPointF(-8, 17));
        tear.cubicTo(top + QPointF(-8, 12), top + QPointF(-3, 6), top);
        QLinearGradient water(0, top.y(), 0, top.y() + 25);
        water.setColorAt(0.0, QColor(170, 220, 255));
        water.setColorAt(1.0, QColor(50, 140, 240));
        p.setPen(Qt::NoPen);
        p.setBrush(water);
        p.drawPath(tear);
    }
    return image;
}

} // namespace

void drawAnimations(Writer& out) {
    for (int i = 0; i < kWinFrames; ++i)
        out.jpeg(QStringLiteral("pictures/win_%1.jpg").arg(i + 1), winFrame(i));
    for (int i = 0; i < 3; ++i)
        out.png(QStringLiteral("pictures/lose_%1.png").arg(i + 1), loseFrame(i));
}

} // namespace draw
