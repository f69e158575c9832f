// What the generator draws, one function per family of pictures. Each writes
// its files through the Writer, at twice the on-screen design size.
#pragma once

#include "canvas.h"

#include <QImage>

namespace draw {

// assets/pictures: block back, button glyphs and the strip under the title.
void drawInterface(Writer& out);

// assets/icons: the window icon and its freedesktop sizes.
void drawIcons(Writer& out);

// assets/figures: the four sets of twelve faces.
void drawEmojiSets(Writer& out);
void drawSymbols(Writer& out);
void drawNumbers(Writer& out);

// assets/pictures: the end-of-match frames.
void drawAnimations(Writer& out);

// assets/pictures/definir: the time and opponent choices, plain and lit.
void drawGameDefinition(Writer& out);

// assets/pictures: banners, bars and buttons of the records window; false if
// its font is missing.
bool drawRecordsWindow(Writer& out);

// assets/pictures: the five pictures of the figure category chooser, made from
// the figures already written under `assets`; false if one is missing.
bool drawCategoryChooser(Writer& out, const QString& assets);

} // namespace draw
