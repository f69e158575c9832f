// "Figuras1" (animals and a face) and "Figuras2" (things): colour emoji from
// Noto Color Emoji, each on its own pale background, plus a windmill drawn
// here because Unicode has none.

#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstddef>
#include <span>

namespace draw {

namespace {

constexpr int kFace = 66 * kScale;
// Size of the figure inside the face: large, with room for its shadow.
constexpr int kBox = 50 * kScale;

struct Figure {
    const char* emoji; // UTF-8; nullptr for a figure drawn by hand
    int hue;           // of the pale background
};

// Hues are spread round the wheel and each one kept away from the colour of
// its own figure, so neighbours on the board never blend together.
const Figure kAnimals[] = {
    {"\U0001F431", 210}, // cat face
    {"\U0001F436", 130}, // dog face
    {"\U0001F981", 260}, // lion
    {"\U0001F438", 330}, // frog
    {"\U0001F437", 165}, // pig face
    {"\U0001F435", 52},  // monkey face
    {"\U0001F43C", 95},  // panda
    {"\U0001F430", 28},  // rabbit face
    {"\U0001F98A", 188}, // fox
    {"\U0001F989", 290}, // owl
    {"\U0001F422", 0},   // turtle
    {"\U0001F600", 232}, // grinning face
};

const Figure kThings[] = {
    {"\u26BD", 130},      // football
    {nullptr, 205},       // windmill
    {"\U0001F3C1", 52},   // chequered flag
    {"\U0001F3C5", 265},  // medal
    {"\U0001FA81", 330},  // kite
    {"\u26F5", 165},      // sailboat
    {"\U0001F3B8", 28},   // guitar
    {"\U0001F680", 232},  // rocket
    {"\u2602\uFE0F", 95}, // umbrella
    {"\U0001F3E0", 290},  // house
    {"\U0001F6B2", 0},    // bicycle
    {"\U0001F388", 188},  // balloon
};

QImage windmill() {
    QImage image = newImage(256, 256);
    QPainter p(&image);
    smooth(p);
    p.translate(40, 40);
    p.scale(1.4, 1.4);

    p.setPen(Qt::NoPen);
    QLinearGradient grass(0, 108, 0, 128);
    grass.setColorAt(0.0, QColor(130, 206, 90));
    grass.setColorAt(1.0, QColor(70, 150, 50));
    p.setBrush(grass);
    p.drawEllipse(QRectF(18, 108, 96, 22));

    // Tower, lit from the left.
    QPainterPath tower;
    tower.moveTo(36, 120);
    tower.lineTo(48, 56);
    tower.lineTo(84, 56);
    tower.lineTo(96, 120);
    tower.closeSubpath();
    QLinearGradient wall(36, 0, 96, 0);
    wall.setColorAt(0.0, QColor(255, 246, 226));
    wall.setColorAt(0.55, QColor(246, 226, 190));
    wall.setColorAt(1.0, QColor(210, 178, 132));
    p.setBrush(wall);
    p.drawPath(tower);

    p.setBrush(QColor(140, 84, 40));
    p.drawRoundedRect(QRectF(56, 94, 20, 30), 10, 10);
    p.drawRect(QRectF(56, 108, 20, 14));
    p.setBrush(QColor(90, 170, 230));
    p.drawEllipse(QPointF(66, 78), 6, 6);

    QPainterPath roof;
    roof.moveTo(42, 60);
    roof.quadTo(66, 18, 90, 60);
    roof.closeSubpath();
    QLinearGradient tile(42, 0, 90, 0);
    tile.setColorAt(0.0, QColor(240, 96, 72));
    tile.setColorAt(1.0, QColor(176, 50, 40));
    p.setBrush(tile);
    p.drawPath(roof);

    // Four lattice sails in an X, leaving the roof visible between them.
    const QPointF hub(66, 48);
    const QColor frame(110, 66, 30);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(hub);
        p.rotate(45 + 90 * i);
        const QRectF sail(8, -9, 44, 18);
        p.setPen(QPen(frame, 3.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(QColor(255, 252, 244));
        p.drawRect(sail);
        p.setPen(QPen(frame, 2.2));
        for (qreal x = sail.left() + 11; x < sail.right() - 1; x += 11)
            p.drawLine(QPointF(x, sail.top()), QPointF(x, sail.bottom()));
        p.setPen(QPen(frame, 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 0), QPointF(sail.right(), 0));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 56, 26));
    p.drawEllipse(hub, 7, 7);
    p.setBrush(QColor(210, 160, 96));
    p.drawEllipse(hub, 3, 3);
    return image;
}

QImage face(const Figure& figure) {
    const QImage art = figure.emoji != nullptr ? emojiImage(QString::fromUtf8(figure.emoji), kBox)
                                               : fitted(windmill(), kBox);
    if (art.isNull())
        return {};
    QImage image = newImage(kFace, kFace);
    fillSoftBackground(image, QColor::fromHsv(figure.hue, 56, 250));
    QPainter p(&image);
    smooth(p);
    const QPointF at((kFace - art.width()) / 2.0, (kFace - art.height()) / 2.0 - 2);
    drawWithShadow(p, art, at, QPointF(0, 4), 4, QColor(0, 0, 0, 70));
    return image;
}

void drawSet(Writer& out, const QString& name, std::span<const Figure> figures) {
    for (std::size_t i = 0; i < figures.size(); ++i) {
        out.jpeg(QStringLiteral("figures/%1_%2.jpg").arg(name).arg(i + 1, 2, 10, QLatin1Char('0')),
                 face(figures[i]));
    }
}

} // namespace

void drawEmojiSets(Writer& out) {
    drawSet(out, QStringLiteral("figuras1"), kAnimals);
    drawSet(out, QStringLiteral("figuras2"), kThings);
}

} // namespace draw
