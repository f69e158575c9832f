#pragma once

#include "match/Picture.h"
#include "platform/Image.h"

#include <QPixmap>

#include <array>
#include <unordered_map>

namespace qv {

/// A decoded picture as Qt draws it; null for an empty one.
QPixmap pixmapOf(const Image& image);

/// The pictures the main window's holders carry: the built-in ones read from the
/// program's resources once and kept for the whole run, the player's photos as
/// the rules last loaded them.
class PictureStore {
public:
    QPixmap picture(Picture picture);
    QPixmap resource(const QString& path);
    void setPhotos(const std::array<Image, 13>& photos);

private:
    std::unordered_map<QString, QPixmap> m_cache;
    std::array<QPixmap, 13> m_photos;
};

} // namespace qv
