// The five pictures of the figure category chooser: four figures of each
// built-in set, two by two, and the words "Minhas Figuras" on yellow for the
// player's own photos. The figures are the ones this run has just written.

#include "pictures.h"

#include <QPainter>

#include <array>

namespace draw {

namespace {

constexpr int kSide = 73 * kScale;
constexpr int kGap = 2 * kScale;

QImage sampleOfSet(const QString& assets, const char* set, const QColor& background) {
    QImage image = newImage(kSide, kSide, background);
    QPainter p(&image);
    smooth(p);
    const int cell = (kSide - 3 * kGap) / 2;
    for (int n = 0; n < 4; ++n) {
        const QImage figure(QStringLiteral("%1/figures/%2_%3.jpg")
                                .arg(assets, QLatin1String(set))
                                .arg(n + 1, 2, 10, QLatin1Char('0')));
        if (figure.isNull())
            return {};
        const QRect at(kGap + (n % 2) * (cell + kGap), kGap + (n / 2) * (cell + kGap), cell, cell);
        p.drawImage(at, figure);
    }
    return image;
}

QImage ownPhotos() {
    QImage image = newImage(kSide, kSide, QColor(255, 255, 0));
    QPainter p(&image);
    smooth(p);
    p.setPen(QPen(QColor(200, 150, 0), 2 * kScale));
    p.drawRoundedRect(QRectF(kScale, kScale, kSide - 2 * kScale, kSide - 2 * kScale), 6 * kScale,
                      6 * kScale);
    p.setPen(Qt::black);
    p.setFont(sansBold(15 * kScale));
    p.drawText(QRect(0, 0, kSide, kSide), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Minhas\nFiguras"));
    return image;
}

} // namespace

bool drawCategoryChooser(Writer& out, const QString& assets) {
    struct Set {
        const char* file;
        const char* figures;
        QColor background;
    };
    const std::array<Set, 4> sets{{
        {"categoria_figuras1", "figuras1", QColor(255, 255, 255)},
        {"categoria_figuras2", "figuras2", QColor(255, 255, 255)},
        {"categoria_simbolos", "simbolos", QColor(20, 50, 150)},
        {"categoria_numeros", "numeros", QColor(255, 255, 255)},
    }};
    for (const Set& set : sets) {
        const QImage sample = sampleOfSet(assets, set.figures, set.background);
        if (sample.isNull())
            return false;
        out.png(QStringLiteral("pictures/%1.png").arg(QLatin1String(set.file)), sample);
    }
    out.png(QStringLiteral("pictures/categoria_personalizada.png"), ownPhotos());
    return true;
}

} // namespace draw
