#pragma once

#include "match/Picture.h"

#include <QPixmap>

#include <unordered_map>

namespace qv {

/// The pictures the main window's holders carry, read from the program's
/// resources once and kept for the whole run.
class PictureStore {
public:
    QPixmap picture(Picture picture);
    QPixmap resource(const QString& path);

private:
    std::unordered_map<QString, QPixmap> m_cache;
};

} // namespace qv
