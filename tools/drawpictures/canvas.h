// Shared helpers of the picture generator: images, fonts, shadows, output.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

class QPainter;

namespace draw {

// Every picture is drawn at twice its on-screen size so it stays sharp on
// high-density screens.
constexpr int kScale = 2;

// A new ARGB image with a fixed resolution, so saved files do not depend on
// the screen the generator happens to run on.
QImage newImage(int width, int height, const QColor& fill = Qt::transparent);

// Antialiasing for shapes, text and scaled images.
void smooth(QPainter& p);

// Loads the fonts from their files; false (with a message) if one is missing.
bool loadFonts(QString* error);
QFont sansBold(qreal pixelSize);
QFont sansCondensedBold(qreal pixelSize);
QFont emoji(qreal pixelSize);

// Crops `image` to its visible pixels and scales that to fit in a box x box
// square, so figures drawn in different ways come out the same size. Null if
// nothing visible was drawn.
QImage fitted(const QImage& image, int box);

// Renders one emoji cropped to its visible pixels and scaled to fit in a
// box x box square, so all figures of a set look the same size. Null if the
// font lacks it.
QImage emojiImage(const QString& text, int box);

// A cheap Gaussian-like blur (three box passes) of a premultiplied image.
QImage blurred(const QImage& src, int radius);

// Draws `layer` onto `p` at `at`, with a soft shadow of its shape underneath.
void drawWithShadow(QPainter& p, const QImage& layer, QPointF at, QPointF shadowOffset,
                    int blurRadius, const QColor& shadowColor);

// A light-to-lighter radial wash that fills the whole image, centred slightly
// above the middle, as if lit from above.
void fillSoftBackground(QImage& image, const QColor& base);

// A four-pointed twinkle, as used for glints and sparkles.
void drawSparkle(QPainter& p, QPointF centre, qreal radius, const QColor& colour);

// Writes pictures below the assets folder and remembers any failure.
class Writer {
public:
    explicit Writer(QString assetsDir);
    void png(const QString& relativePath, const QImage& image);
    void jpeg(const QString& relativePath, const QImage& image);
    // An opaque picture in at most 256 colours, as the game decodes it with giflib.
    void gif(const QString& relativePath, const QImage& image);
    [[nodiscard]] int written() const { return written_; }
    [[nodiscard]] bool ok() const { return ok_; }

private:
    void save(const QString& relativePath, const QImage& image, const char* format, int quality);

    QString root_;
    int written_ = 0;
    bool ok_ = true;
};

} // namespace draw
