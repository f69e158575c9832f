// Draws every picture of the game into the assets folder given as argument.
// Run through tools/drawpictures.sh; the output is committed.

#include "pictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // No display is needed: everything is painted into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ASSETS_FOLDER\n", argv[0]);
        return 2;
    }
    const QString assets = QString::fromLocal8Bit(argv[1]);
    if (!QDir(assets).exists()) {
        std::fprintf(stderr, "drawpictures: no such folder: %s\n", argv[1]);
        return 2;
    }

    QString error;
    if (!draw::loadFonts(&error)) {
        std::fprintf(stderr, "drawpictures: %s\n", qPrintable(error));
        return 1;
    }

    draw::Writer out(assets);
    draw::drawInterface(out);
    draw::drawIcons(out);
    draw::drawEmojiSets(out);
    draw::drawSymbols(out);
    draw::drawNumbers(out);
    draw::drawAnimations(out);
    draw::drawGameDefinition(out);
    if (!draw::drawRecordsWindow(out))
        return 1;
    if (!draw::drawCategoryChooser(out, assets))
        return 1;

    std::printf("drawpictures: %d pictures written to %s\n", out.written(), argv[1]);
    return out.ok() ? 0 : 1;
}
