#include "canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>
#include <vector>

#include <gif_lib.h>

namespace draw {

namespace {

// 72 dpi: any fixed value will do, it only has to be the same on every machine.
constexpr int kDotsPerMeter = 2835;

struct FontFile {
    const char* path;
    QString* family;
};

QString sansFamily;
QString condensedFamily;
QString emojiFamily;

QFont makeFont(const QString& family, qreal pixelSize, QFont::Weight weight) {
    QFont font(family);
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    // A missing glyph must not be silently taken from some other font.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
    return font;
}

// One horizontal box pass over premultiplied ARGB, writing the result
// transposed so the same routine serves for the vertical pass.
void boxPassTransposed(const QImage& src, QImage& dst, int radius) {
    const int w = src.width();
    const int h = src.height();
    const int window = 2 * radius + 1;
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        std::array<int, 4> sum{};
        auto add = [&](int x, int sign) {
            if (x < 0 || x >= w)
                return;
            const QRgb c = in[x];
            sum[0] += sign * qAlpha(c);
            sum[1] += sign * qRed(c);
            sum[2] += sign * qGreen(c);
            sum[3] += sign * qBlue(c);
        };
        for (int x = -radius; x < radius; ++x)
            add(x, 1);
        for (int x = 0; x < w; ++x) {
            add(x + radius, 1);
            auto* out = reinterpret_cast<QRgb*>(dst.scanLine(x));
            out[y] = qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
            add(x - radius, -1);
        }
    }
}

} // namespace

QImage newImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(fill);
    return image;
}

void smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

bool loadFonts(QString* error) {
    const std::array<FontFile, 3> files{{
        {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", &sansFamily},
        {"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf", &condensedFamily},
        {"/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf", &emojiFamily},
    }};
    for (const FontFile& file : files) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file.path));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            *error = QStringLiteral("cannot load font %1 (is its Debian package installed?)")
                         .arg(QString::fromLatin1(file.path));
            return false;
        }
        *file.family = families.first();
    }
    return true;
}

QFont sansBold(qreal pixelSize) {
    return makeFont(sansFamily, pixelSize, QFont::Bold);
}

QFont sansCondensedBold(qreal pixelSize) {
    QFont font = makeFont(condensedFamily, pixelSize, QFont::Bold);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

QFont emoji(qreal pixelSize) {
    return makeFont(emojiFamily, pixelSize, QFont::Normal);
}

QImage emojiImage(const QString& text, int box) {
    // The font would draw its "missing" box for an emoji it lacks, which would
    // pass for a figure: refuse instead.
    const QFontMetrics metrics(emoji(109));
    for (char32_t codepoint : text.toUcs4()) {
        if (codepoint != 0xFE0F && !metrics.inFontUcs4(codepoint))
            return {};
    }
    // 109 px is the size the colour bitmaps are stored at, so they are drawn
    // unscaled here and scaled only once, by the final fit.
    QImage big = newImage(256, 256);
    {
        QPainter p(&big);
        smooth(p);
        p.setFont(emoji(109));
        p.drawText(big.rect(), Qt::AlignCenter, text);
    }
    return fitted(big, box);
}

QImage fitted(const QImage& image, int box) {
    const QImage big = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int left = big.width(), top = big.height(), right = -1, bottom = -1;
    for (int y = 0; y < big.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(big.constScanLine(y));
        for (int x = 0; x < big.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {}; // nothing drawn, e.g. an emoji the font lacks

    const QImage cropped = big.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
    return cropped.scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage blurred(const QImage& src, int radius) {
    QImage a = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0)
        return a;
    QImage b(a.height(), a.width(), QImage::Format_ARGB32_Premultiplied);
    for (int pass = 0; pass < 3; ++pass) {
        boxPassTransposed(a, b, radius);
        boxPassTransposed(b, a, radius);
    }
    return a;
}

void drawWithShadow(QPainter& p, const QImage& layer, QPointF at, QPointF shadowOffset,
                    int blurRadius, const QColor& shadowColor) {
    // Pad so the blur can spread past the edges of the layer.
    const int pad = 3 * blurRadius + 1;
    QImage shadow = newImage(layer.width() + 2 * pad, layer.height() + 2 * pad);
    {
        QPainter sp(&shadow);
        sp.drawImage(pad, pad, layer);
        sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        sp.fillRect(shadow.rect(), shadowColor);
    }
    shadow = blurred(shadow, blurRadius);
    p.drawImage(at + shadowOffset - QPointF(pad, pad), shadow);
    p.drawImage(at, layer);
}

void fillSoftBackground(QImage& image, const QColor& base) {
    QPainter p(&image);
    smooth(p);
    const QPointF centre(image.width() / 2.0, image.height() * 0.38);
    QRadialGradient wash(centre, image.width() * 0.8);
    wash.setColorAt(0.0, base.lighter(108));
    wash.setColorAt(0.55, base);
    wash.setColorAt(1.0, base.darker(110));
    p.fillRect(image.rect(), wash);
}

void drawSparkle(QPainter& p, QPointF c, qreal r, const QColor& colour) {
    const qreal pinch = r * 0.18;
    QPainterPath star;
    star.moveTo(c.x(), c.y() - r);
    star.quadTo(c.x() + pinch, c.y() - pinch, c.x() + r, c.y());
    star.quadTo(c.x() + pinch, c.y() + pinch, c.x(), c.y() + r);
    star.quadTo(c.x() - pinch, c.y() + pinch, c.x() - r, c.y());
    star.quadTo(c.x() - pinch, c.y() - pinch, c.x(), c.y() - r);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
    p.restore();
}

Writer::Writer(QString assetsDir) : root_(std::move(assetsDir)) {
}

void Writer::png(const QString& relativePath, const QImage& image) {
    // Pictures without any transparency are stored without an alpha channel.
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    bool opaque = !argb.isNull();
    for (int y = 0; opaque && y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; opaque && x < argb.width(); ++x)
            opaque = qAlpha(line[x]) == 255;
    }
    save(relativePath, opaque ? image.convertToFormat(QImage::Format_RGB32) : image, "png", -1);
}

void Writer::jpeg(const QString& relativePath, const QImage& image) {
    if (image.isNull()) {
        save(relativePath, image, "jpeg", 90);
        return;
    }
    // JPEG has no transparency: flatten explicitly rather than let the
    // encoder guess.
    QImage flat = newImage(image.width(), image.height(), Qt::black);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, image);
    }
    save(relativePath, flat.convertToFormat(QImage::Format_RGB32), "jpeg", 90);
}

void Writer::gif(const QString& relativePath, const QImage& image) {
    const QString path = QDir(root_).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Qt reads GIF but does not write it: quantise with Qt, encode with giflib.
    const QImage indexed = image.convertToFormat(QImage::Format_RGB32)
                               .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QList<QRgb> table = indexed.colorTable();
    int bits = 1;
    while ((1 << bits) < table.size())
        ++bits;
    std::vector<GifColorType> colours(std::size_t(1) << bits);
    for (qsizetype i = 0; i < table.size(); ++i)
        colours[std::size_t(i)] = {GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])),
                                   GifByteType(qBlue(table[i]))};
    int error = 0;
    GifFileType* out = EGifOpenFileName(qPrintable(path), false, &error);
    ColorMapObject* map = out ? GifMakeMapObject(1 << bits, colours.data()) : nullptr;
    bool written =
        map != nullptr &&
        EGifPutScreenDesc(out, indexed.width(), indexed.height(), bits, 0, map) != GIF_ERROR &&
        EGifPutImageDesc(out, 0, 0, indexed.width(), indexed.height(), false, nullptr) != GIF_ERROR;
    for (int y = 0; written && y < indexed.height(); ++y) {
        auto* line = const_cast<GifPixelType*>(indexed.constScanLine(y));
        written = EGifPutLine(out, line, indexed.width()) != GIF_ERROR;
    }
    GifFreeMapObject(map);
    if (out && EGifCloseFile(out, &error) == GIF_ERROR)
        written = false;
    if (!written) {
        std::fprintf(stderr, "drawpictures: cannot write %s\n", qPrintable(path));
        ok_ = false;
        return;
    }
    ++written_;
}

void Writer::save(const QString& relativePath, const QImage& image, const char* format,
                  int quality) {
    const QString path = QDir(root_).filePath(relativePath);
    if (image.isNull()) {
        std::fprintf(stderr, "drawpictures: nothing was drawn for %s\n", qPrintable(path));
        ok_ = false;
        return;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        std::fprintf(stderr, "drawpictures: cannot create folder for %s\n", qPrintable(path));
        ok_ = false;
        return;
    }
    // Written aside and renamed, so an interrupted run never leaves a
    // truncated picture behind for the game to load.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "drawpictures: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        ok_ = false;
        return;
    }
    QImageWriter writer(&file, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "drawpictures: cannot encode %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        file.cancelWriting();
        ok_ = false;
        return;
    }
    if (!file.commit()) {
        std::fprintf(stderr, "drawpictures: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        ok_ = false;
        return;
    }
    ++written_;
}

} // namespace draw
