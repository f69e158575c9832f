#include "widgets/PictureStore.h"

#include "platform/JpegDecoder.h"

#include <QFile>
#include <QImage>

#include <array>

namespace qv {

namespace {

constexpr int kPhotoCategory = 4;

QString holderPath(int holder) {
    using namespace holders;
    if (holder >= kFirstLoseFrame)
        return QStringLiteral(":/pictures/lose_%1.png").arg(holder - kFirstLoseFrame + 1);
    if (holder >= kFirstWinFrame)
        return QStringLiteral(":/pictures/win_%1.jpg").arg(holder - kFirstWinFrame + 1);
    static const std::array<const char*, kCategoryCount - 1> kSets{"figuras1", "simbolos",
                                                                   "numeros", "figuras2"};
    const int category = (holder - 1) / kFiguresPerCategory;
    const int n = (holder - 1) % kFiguresPerCategory + 1;
    return QStringLiteral(":/figures/%1_%2.jpg")
        .arg(QLatin1String(kSets[static_cast<std::size_t>(category)]))
        .arg(n, 2, 10, QLatin1Char('0'));
}

// Every JPEG the game shows goes through the game's own decoder.
QPixmap loadResource(const QString& path) {
    if (!path.endsWith(QLatin1String(".jpg")))
        return QPixmap(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const DecodeResult decoded =
        decodeJpeg({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                    static_cast<std::size_t>(bytes.size())});
    return pixmapOf(decoded.image);
}

} // namespace

QPixmap pixmapOf(const Image& image) {
    if (image.empty())
        return {};
    const QImage view(image.rgb.data(), image.width, image.height,
                      static_cast<qsizetype>(image.stride()), QImage::Format_RGB888);
    return QPixmap::fromImage(view.copy());
}

QPixmap PictureStore::picture(Picture picture) {
    if (picture.empty())
        return {};
    const int category = (picture.holder - 1) / holders::kFiguresPerCategory;
    if (picture.holder < holders::kFirstWinFrame && category == kPhotoCategory)
        return m_photos[static_cast<std::size_t>(picture.holder - kPhotoCategory * 12)];
    return resource(holderPath(picture.holder));
}

QPixmap PictureStore::resource(const QString& path) {
    auto found = m_cache.find(path);
    if (found != m_cache.end())
        return found->second;
    QPixmap pixmap = loadResource(path);
    m_cache.emplace(path, pixmap);
    return pixmap;
}

void PictureStore::setPhotos(const std::array<Image, 13>& photos) {
    for (std::size_t n = 1; n < photos.size(); ++n)
        m_photos[n] = pixmapOf(photos[n]);
}

} // namespace qv
