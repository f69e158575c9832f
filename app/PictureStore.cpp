#include "app/PictureStore.h"

#include <array>

namespace qv {

namespace {

QString holderPath(int holder) {
    using namespace holders;
    if (holder >= kFirstLoseFrame)
        return QStringLiteral(":/pictures/lose_%1.png").arg(holder - kFirstLoseFrame + 1);
    if (holder >= kFirstWinFrame)
        return QStringLiteral(":/pictures/win_%1.jpg").arg(holder - kFirstWinFrame + 1);
    static const std::array<const char*, kCategoryCount> kSets{"figuras1", "simbolos", "numeros",
                                                               "figuras2", ""};
    const int category = (holder - 1) / kFiguresPerCategory;
    const int n = (holder - 1) % kFiguresPerCategory + 1;
    return QStringLiteral(":/figures/%1_%2.jpg")
        .arg(QLatin1String(kSets[static_cast<std::size_t>(category)]))
        .arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QPixmap PictureStore::picture(Picture picture) {
    if (picture.empty())
        return {};
    return resource(holderPath(picture.holder));
}

QPixmap PictureStore::resource(const QString& path) {
    auto found = m_cache.find(path);
    if (found != m_cache.end())
        return found->second;
    QPixmap pixmap(path);
    m_cache.emplace(path, pixmap);
    return pixmap;
}

} // namespace qv
