// The pictures of the records window: the title, the four table banners with
// their column captions, the gold bars between the tables and the two button
// pictures. Positions of the captions follow the columns of the window's rows.

#include "pictures.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace draw {

namespace {

// Liberation Sans is the family of the window's own labels; the captions use it
// too so the header reads as part of the table.
QString captionFamily;

bool loadCaptionFont() {
    if (!captionFamily.isEmpty())
        return true;
    const char* path = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        std::fprintf(stderr,
                     "drawpictures: cannot load font %s (is fonts-liberation2 installed?)\n", path);
        return false;
    }
    captionFamily = families.first();
    return true;
}

QFont captionFont(qreal pixelSize) {
    QFont font(captionFamily);
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(QFont::Bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
    return font;
}

const QColor kGoldLight(255, 230, 140);
const QColor kGold(240, 196, 84);
const QColor kGoldDark(150, 100, 10);

struct Palette {
    QColor top;
    QColor bottom;
    QColor captionStrip;
    QColor captionText;
};

const Palette kRed{QColor(176, 30, 36), QColor(96, 0, 8), QColor(252, 238, 214),
                   QColor(120, 6, 12)};
const Palette kBlue{QColor(40, 70, 176), QColor(6, 16, 96), QColor(222, 232, 252),
                    QColor(10, 26, 110)};

// Text with a one-pixel drop shadow, so light type stays crisp on a gradient.
void shadowedText(QPainter& p, const QRectF& box, int flags, const QString& text,
                  const QColor& colour) {
    p.setPen(QColor(0, 0, 0, 130));
    p.drawText(box.translated(0, kScale), flags, text);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

// A gold-edged band with the given fill: the common shape of every banner.
void band(QPainter& p, const QRectF& box, const QColor& top, const QColor& bottom) {
    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.fillRect(box, fill);
    QLinearGradient shine(0, box.top(), 0, box.center().y());
    shine.setColorAt(0.0, QColor(255, 255, 255, 60));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(box.left(), box.top(), box.width(), box.height() / 2), shine);
    p.fillRect(QRectF(box.left(), box.top(), box.width(), kScale), kGold);
    p.fillRect(QRectF(box.left(), box.bottom() - kScale, box.width(), kScale), kGoldDark);
}

void diamond(QPainter& p, QPointF c, qreal r, const QColor& colour) {
    const QPointF points[] = {
        {c.x(), c.y() - r}, {c.x() + r, c.y()}, {c.x(), c.y() + r}, {c.x() - r, c.y()}};
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(points, 4);
}

QImage title() {
    const int w = 612 * kScale;
    const int h = 25 * kScale;
    QImage image = newImage(w, h);
    QPainter p(&image);
    smooth(p);
    band(p, image.rect(), QColor(18, 96, 40), QColor(0, 44, 14));

    const QString text = QStringLiteral("Melhores Jogadores do Quorvanella 2.0");
    const QFont font = sansBold(15 * kScale);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    // Centred on the 606 pixels the window shows, not on the picture's 612.
    const QPointF centre(606 * kScale / 2.0, h / 2.0);
    path.translate(centre - box.center());

    QImage layer = newImage(w, h);
    {
        QPainter t(&layer);
        smooth(t);
        QLinearGradient gold(0, path.boundingRect().top(), 0, path.boundingRect().bottom());
        gold.setColorAt(0.0, QColor(255, 244, 190));
        gold.setColorAt(0.5, kGold);
        gold.setColorAt(1.0, QColor(214, 150, 30));
        t.setPen(Qt::NoPen);
        t.setBrush(gold);
        t.drawPath(path);
    }
    drawWithShadow(p, layer, QPointF(0, 0), QPointF(0, 1.5 * kScale), 2, QColor(0, 0, 0, 170));

    // Gold ornaments either side of the title, like the strip of the main window.
    const qreal y = h / 2.0;
    const qreal gap = 14 * kScale;
    const qreal left = centre.x() - box.width() / 2 - gap;
    const qreal right = centre.x() + box.width() / 2 + gap;
    const qreal reach = 120 * kScale;
    for (int side : {-1, 1}) {
        const qreal from = side < 0 ? left : right;
        const qreal to = from + side * reach;
        QLinearGradient line(from, 0, to, 0);
        line.setColorAt(0.0, QColor(255, 230, 130, 220));
        line.setColorAt(1.0, QColor(255, 230, 130, 0));
        p.setPen(QPen(QBrush(line), 1.5 * kScale, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(from + side * 6 * kScale, y), QPointF(to, y));
        diamond(p, QPointF(from, y), 4.5 * kScale, kGold);
        diamond(p, QPointF(from, y), 1.8 * kScale, QColor(255, 250, 220));
    }
    return image;
}

// The coloured title part of a table banner, `height` design pixels high.
void bannerTitle(QPainter& p, const QString& text, const Palette& colours, int height) {
    const QRectF box(0, 0, 283 * kScale, height * kScale);
    band(p, box, colours.top, colours.bottom);
    p.setFont(sansBold(12 * kScale));
    shadowedText(p, box.adjusted(0, -kScale / 2.0, 0, 0), Qt::AlignCenter, text,
                 QColor(255, 248, 226));
}

// A column caption; `x` is where the column's labels start, relative to the
// banner, in design pixels.
void caption(QPainter& p, qreal x, qreal top, qreal height, const QString& text,
             Qt::Alignment align = Qt::AlignLeft, qreal width = 80) {
    const QRectF box(x * kScale, top * kScale, width * kScale, height * kScale);
    p.drawText(box, int(align | Qt::AlignVCenter), text);
}

QImage tableBanner(const QString& text, const Palette& colours) {
    QImage image = newImage(283 * kScale, 25 * kScale);
    QPainter p(&image);
    smooth(p);
    bannerTitle(p, text, colours, 25);
    return image;
}

// The strip of column captions under a banner title, 25 design pixels high.
void captionStrip(QPainter& p, const Palette& colours) {
    const QRectF strip(0, 25 * kScale, 283 * kScale, 25 * kScale);
    p.fillRect(strip, colours.captionStrip);
    p.fillRect(QRectF(strip.left(), strip.bottom() - kScale, strip.width(), kScale),
               colours.captionText);
    p.setPen(colours.captionText);
}

// Over the best-score rows: the window puts the place at 12 and the name at 36,
// the points at 133, the time at 197 and the category, centred, in 238..290;
// the banner itself starts at 7.
QImage bestScoreBanner() {
    QImage image = newImage(283 * kScale, 50 * kScale);
    QPainter p(&image);
    smooth(p);
    bannerTitle(p, QStringLiteral("Melhor Pontuação"), kRed, 25);
    captionStrip(p, kRed);
    p.setFont(captionFont(10 * kScale));
    caption(p, 5, 25, 24, QStringLiteral("Colocação"));
    caption(p, 126, 25, 24, QStringLiteral("Pontuação"));
    caption(p, 190, 25, 24, QStringLiteral("Tempo"));
    caption(p, 231, 25, 24, QStringLiteral("Categoria"), Qt::AlignHCenter, 52);
    return image;
}

// Over the rows against the computer: the window puts the place at 319, the
// name at 343, the player's points at 438, an "X" at 480, the computer's points
// at 505 and the category at 547; the banner itself starts at 314.
QImage computerBanner() {
    QImage image = newImage(283 * kScale, 50 * kScale);
    QPainter p(&image);
    smooth(p);
    bannerTitle(p, QStringLiteral("Contra: Computador Superdotado"), kBlue, 25);
    captionStrip(p, kBlue);
    p.setFont(captionFont(10 * kScale));
    caption(p, 5, 25, 24, QStringLiteral("Colocação"));
    caption(p, 233, 25, 24, QStringLiteral("Categoria"), Qt::AlignLeft, 50);
    // "Pontuação" spans both scores, split into the player's and the computer's.
    caption(p, 124, 26, 12, QStringLiteral("Pontuação"), Qt::AlignHCenter, 101);
    QColor rule = kBlue.captionText;
    rule.setAlpha(110);
    p.fillRect(QRectF(128 * kScale, 37.5 * kScale, 93 * kScale, 0.5 * kScale), rule);
    p.setFont(captionFont(9 * kScale));
    caption(p, 124, 37.5, 11, QStringLiteral("Seus"));
    caption(p, 191, 37.5, 11, QStringLiteral("Dele"));
    return image;
}

// A polished gold rod along the longer side of the picture.
QImage goldBar(int width, int height) {
    QImage image = newImage(width * kScale, height * kScale);
    QPainter p(&image);
    smooth(p);
    const bool across = width >= height;
    const QRectF box = image.rect();
    QLinearGradient rod =
        across ? QLinearGradient(0, 0, 0, box.height()) : QLinearGradient(0, 0, box.width(), 0);
    rod.setColorAt(0.0, kGoldDark);
    rod.setColorAt(0.25, kGoldLight);
    rod.setColorAt(0.5, kGold);
    rod.setColorAt(0.85, QColor(176, 120, 20));
    rod.setColorAt(1.0, QColor(110, 70, 6));
    const qreal inset = 2 * kScale;
    const QRectF body =
        across ? box.adjusted(0, inset, 0, -inset) : box.adjusted(inset, 0, -inset, 0);
    p.fillRect(body, rod);
    // Small diamonds along the rod keep a long bar from looking plain.
    const qreal length = across ? box.width() : box.height();
    const qreal step = 40 * kScale;
    for (qreal at = step / 2; at < length; at += step) {
        const QPointF c = across ? QPointF(at, box.height() / 2) : QPointF(box.width() / 2, at);
        diamond(p, c, 3.5 * kScale, kGoldDark);
        diamond(p, c, 2 * kScale, kGoldLight);
    }
    return image;
}

// A glossy rounded button with its caption.
QImage button(int width, const QString& text, const QColor& top, const QColor& bottom,
              qreal fontSize) {
    const int w = width * kScale;
    const int h = 25 * kScale;
    QImage image = newImage(w, h);
    QPainter p(&image);
    smooth(p);
    const QRectF box =
        QRectF(image.rect()).adjusted(kScale / 2.0, kScale / 2.0, -kScale / 2.0, -kScale / 2.0);
    const qreal radius = 5 * kScale;
    QPainterPath shape;
    shape.addRoundedRect(box, radius, radius);
    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.setPen(QPen(kGold, kScale));
    p.setBrush(fill);
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape);
    QLinearGradient shine(0, box.top(), 0, box.center().y());
    shine.setColorAt(0.0, QColor(255, 255, 255, 120));
    shine.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.fillRect(QRectF(box.left(), box.top(), box.width(), box.height() / 2), shine);
    p.restore();
    p.setFont(captionFont(fontSize * kScale));
    shadowedText(p, box, Qt::AlignCenter, text, Qt::white);
    return image;
}

} // namespace

bool drawRecordsWindow(Writer& out) {
    if (!loadCaptionFont())
        return false;
    out.png(QStringLiteral("pictures/records_title.png"), title());
    out.png(QStringLiteral("pictures/records_best_score.png"), bestScoreBanner());
    out.png(QStringLiteral("pictures/records_best_time.png"),
            tableBanner(QStringLiteral("Melhor Tempo"), kRed));
    out.png(QStringLiteral("pictures/records_vs_super.png"), computerBanner());
    out.png(QStringLiteral("pictures/records_vs_intel.png"),
            tableBanner(QStringLiteral("Contra: Computador Inteligente"), kBlue));
    out.png(QStringLiteral("pictures/records_bar_h.png"), goldBar(612, 10));
    out.png(QStringLiteral("pictures/records_bar_v.png"), goldBar(10, 265));
    out.png(QStringLiteral("pictures/records_fechar.png"),
            button(73, QStringLiteral("Fechar"), QColor(60, 190, 80), QColor(0, 100, 24), 12));
    out.png(QStringLiteral("pictures/records_zerar.png"),
            button(41, QStringLiteral("Zerar"), QColor(70, 140, 240), QColor(10, 50, 170), 11));
    return true;
}

} // namespace draw
