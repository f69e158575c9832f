#include "platform/qt/QtPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace qv {

QtPaths::QtPaths() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    m_data = std::filesystem::path(data.toStdString());
    // applicationDirPath resolves links, so a link in bin/ still finds the wave files.
    m_program = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

} // namespace qv
