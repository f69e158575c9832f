// "Números": glossy black balls numbered 1 to 12 on a light background.

#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace draw {

namespace {

constexpr int kFace = 66 * kScale;

QImage ball(int number) {
    QImage layer = newImage(kFace, kFace);
    {
        QPainter p(&layer);
        smooth(p);
        p.translate(kFace / 2.0, kFace / 2.0 - 3);
        const qreal r = 52;

        QRadialGradient body(QPointF(0, 0), r, QPointF(-20, -26));
        body.setColorAt(0.0, QColor(120, 120, 132));
        body.setColorAt(0.35, QColor(44, 44, 52));
        body.setColorAt(0.85, QColor(6, 6, 8));
        body.setColorAt(1.0, QColor(34, 34, 44)); // light bouncing off the table
        p.setPen(Qt::NoPen);
        p.setBrush(body);
        p.drawEllipse(QPointF(0, 0), r, r);

        QRadialGradient disc(QPointF(-6, -8), 36);
        disc.setColorAt(0.0, Qt::white);
        disc.setColorAt(1.0, QColor(218, 218, 226));
        p.setBrush(disc);
        p.drawEllipse(QPointF(0, 0), 30, 30);

        // Two digits need a narrower face to stay inside the white disc.
        const QString text = QString::number(number);
        const QFont font = text.size() == 1 ? sansBold(40) : sansCondensedBold(35);
        QPainterPath digits;
        digits.addText(0, 0, font, text);
        digits.translate(-digits.boundingRect().center());
        p.setBrush(QColor(18, 18, 22));
        p.drawPath(digits);

        QRadialGradient glint(QPointF(-24, -34), 16);
        glint.setColorAt(0.0, QColor(255, 255, 255, 210));
        glint.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(glint);
        p.save();
        p.translate(-24, -34);
        p.rotate(-35);
        p.drawEllipse(QPointF(0, 0), 16, 9);
        p.restore();
    }
    QImage image = newImage(kFace, kFace);
    fillSoftBackground(image, QColor(244, 238, 222));
    QPainter p(&image);
    smooth(p);
    drawWithShadow(p, layer, QPointF(0, 0), QPointF(0, 5), 4, QColor(60, 40, 0, 110));
    return image;
}

} // namespace

void drawNumbers(Writer& out) {
    for (int n = 1; n <= 12; ++n)
        out.jpeg(QStringLiteral("figures/numeros_%1.jpg").arg(n, 2, 10, QLatin1Char('0')), ball(n));
}

} // namespace draw
