// The choices of the "Definições do Jogo" window: four time limits and three
// kinds of opponent, each as a plain picture and a lit one that shows under
// the mouse. Written as GIF, the format the window decodes them from.

#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace draw {

namespace {

using Icon = std::function<void(QPainter&, QRectF, const QColor&)>;

void clockIcon(QPainter& p, QRectF box, const QColor& ink) {
    const QPointF c = box.center();
    const qreal r = box.height() * 0.42;
    p.setPen(QPen(ink, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.drawLine(c, c + QPointF(0, -r * 0.7));
    p.drawLine(c, c + QPointF(r * 0.55, 0));
}

void person(QPainter& p, QPointF foot, qreal height, const QColor& ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const qreal head = height * 0.22;
    p.drawEllipse(QPointF(foot.x(), foot.y() - height + head), head, head);
    QPainterPath body;
    body.moveTo(foot.x() - height * 0.36, foot.y());
    body.quadTo(foot.x() - height * 0.36, foot.y() - height * 0.52, foot.x(),
                foot.y() - height * 0.52);
    body.quadTo(foot.x() + height * 0.36, foot.y() - height * 0.52, foot.x() + height * 0.36,
                foot.y());
    body.closeSubpath();
    p.drawPath(body);
}

void twoPeopleIcon(QPainter& p, QRectF box, const QColor& ink) {
    const qreal h = box.height() * 0.8;
    QColor back = ink;
    back.setAlpha(150);
    person(p, QPointF(box.center().x() + h * 0.3, box.bottom() - 2), h * 0.9, back);
    person(p, QPointF(box.center().x() - h * 0.2, box.bottom() - 2), h, ink);
}

void onePersonIcon(QPainter& p, QRectF box, const QColor& ink) {
    person(p, QPointF(box.center().x(), box.bottom() - 2), box.height() * 0.8, ink);
}

void computerIcon(QPainter& p, QRectF box, const QColor& ink) {
    const qreal w = box.height() * 0.95;
    const QRectF screen(box.center().x() - w / 2, box.top() + box.height() * 0.14, w, w * 0.62);
    p.setPen(QPen(ink, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(screen, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(screen.center().x() - 3, screen.bottom(), 6, w * 0.14));
    p.drawRoundedRect(QRectF(screen.center().x() - w * 0.3, screen.bottom() + w * 0.14, w * 0.6, 4),
                      2, 2);
}

/// One choice: a rounded plate with an icon at the left and the caption beside it.
QImage choice(int width, int height, const QString& caption, const Icon& icon, bool lit) {
    const int w = width * kScale;
    const int h = height * kScale;
    // GIF keeps no transparency here: the corners take the window's grey.
    QImage image = newImage(w, h, QColor(240, 240, 240));
    QPainter p(&image);
    smooth(p);
    const QRectF plate(1.5, 1.5, w - 3, h - 3);
    QLinearGradient fill(0, 0, 0, h);
    if (lit) {
        fill.setColorAt(0.0, QColor(255, 236, 150));
        fill.setColorAt(1.0, QColor(240, 170, 40));
    } else {
        fill.setColorAt(0.0, QColor(232, 238, 250));
        fill.setColorAt(1.0, QColor(176, 190, 222));
    }
    p.setBrush(fill);
    p.setPen(QPen(lit ? QColor(170, 90, 0) : QColor(90, 104, 150), 3));
    p.drawRoundedRect(plate, 10, 10);

    const QColor ink = lit ? QColor(128, 0, 0) : QColor(24, 34, 90);
    const QRectF iconBox(10, 4, h - 8, h - 8);
    icon(p, iconBox, ink);
    p.setFont(sansBold(h * 0.46));
    p.setPen(ink);
    p.drawText(QRectF(iconBox.right() + 8, 0, w - iconBox.right() - 14, h),
               Qt::AlignVCenter | Qt::AlignLeft, caption);
    return image;
}

void both(Writer& out, const QString& plainName, const QString& litName, int width, int height,
          const QString& caption, const Icon& icon) {
    out.gif(QStringLiteral("pictures/definir/%1.gif").arg(plainName),
            choice(width, height, caption, icon, false));
    out.gif(QStringLiteral("pictures/definir/%1.gif").arg(litName),
            choice(width, height, caption, icon, true));
}

} // namespace

void drawGameDefinition(Writer& out) {
    constexpr int kTimeWidth = 121;
    constexpr int kTimeHeight = 25;
    both(out, "img_3min", "img_3min_2", kTimeWidth, kTimeHeight, "3:00 min", clockIcon);
    both(out, "img_2min", "img_2min_2", kTimeWidth, kTimeHeight, "2:00 min", clockIcon);
    both(out, "img_1min", "img_1min_2", kTimeWidth, kTimeHeight, "1:00 min", clockIcon);
    both(out, "img_045seg", "img_045seg_2", kTimeWidth, kTimeHeight, "0:45 seg", clockIcon);
    constexpr int kOpponentWidth = 137;
    constexpr int kOpponentHeight = 29;
    both(out, "img_colega", "img_colega2", kOpponentWidth, kOpponentHeight, "Seu colega",
         twoPeopleIcon);
    both(out, "img_individual", "img_individual2", kOpponentWidth, kOpponentHeight, "Individual",
         onePersonIcon);
    both(out, "img_computador", "img_computador2", kOpponentWidth, kOpponentHeight, "Computador",
         computerIcon);
}

} // namespace draw
