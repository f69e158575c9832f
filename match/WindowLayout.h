#pragma once

#include "match/MainView.h"
#include "match/MatchState.h"
#include "platform/Screen.h"

namespace qv {

/// The non-client part of the design window (title bar, menu, borders): the
/// window heights of the board layouts include it.
inline constexpr int kNonClientHeight = 45;
inline constexpr int kNonClientWidth = 6;

/// The main window as it opens: the menu's defaults (3:00, 24 blocks, alone,
/// FIGURAS 1), the layout for the screen, the result panel's frames, and a board
/// that takes no clicks until a match starts.
void setUpMainWindow(MatchState& state, MainView& view, ScreenSize screen);

/// On a screen exactly 800 pixels wide the whole window grows by 720/600 and is
/// centred 12 pixels above the middle; elsewhere it keeps its design size and place.
void adaptToScreen(MainView& view, ScreenSize screen);

/// Moves the lower controls for the board size and sets the window height; on a
/// screen wider than 800 pixels nothing moves.
void applyBoardLayout(MainView& view, int blockCount, int screenWidth);

/// Moves (and, were it wider, narrows) each block's face inside its cover, so that
/// a closed block shows no pixel of its figure beside the cover: the design places
/// the face of position 15 one pixel past its cover, and rounding the scaled sides
/// apart can push other faces a pixel out.
void keepFacesUnderCovers(MainView& view);

/// Shows or hides the frames, faces and covers of row 3 (positions 17 to 24).
void showRowThree(MainView& view, bool visible);

} // namespace qv
