#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The offscreen screen is 800 pixels wide unless told otherwise, which would
// scale the window; the tests play on a 1024x768 screen.
static void useOffscreenScreen1024x768() {
    const QString config = QDir::temp().filePath(QStringLiteral("quorvanella-offscreen.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(R"({"screens":[{"name":"test","x":0,"y":0,"width":1024,"height":768,)"
                   R"("logicalDpiX":96,"logicalDpiY":96,"dpr":1}]})");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
}

int main(int argc, char** argv) {
    useOffscreenScreen1024x768();
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
