#include "match/WindowLayout.h"

#include <algorithm>
#include <array>

namespace qv {

namespace {

constexpr int kScaledScreenWidth = 800;

int scaled(int value) {
    // Rounded to the nearest pixel, halves away from zero (value × 720 / 600).
    return (value * 720 + (value >= 0 ? 300 : -300)) / 600;
}

struct LowerLayout {
    int playStop;        // JOGAR, PARAR
    int timeFigures;     // Tempo, Figuras
    int opponentRecords; // Jogador, Records
    int soundBar;
    int headings;   // PARTICIPANTE(S), PONTOS, TEMPO, RESULTADO
    int scoreboard; // the score board and the result board
    int windowHeight;
};

constexpr LowerLayout kLayout24Scaled{327, 422, 452, 296, 327, 356, 526};
constexpr LowerLayout kLayout24{272, 351, 376, 247, 272, 296, 445};
constexpr LowerLayout kLayout16Scaled{235, 330, 360, 202, 235, 264, 434};
constexpr LowerLayout kLayout16{200, 279, 304, 175, 200, 224, 373};

} // namespace

void setUpMainWindow(MatchState& state, MainView& view, ScreenSize screen) {
    state.BlockCount = 24;
    view.menu.time3min = true;
    state.MaxBoardPoints = 1800;
    state.FigureCategory = category::kFiguras1;

    adaptToScreen(view, screen);

    for (int n = 1; n <= holders::kWinFrameCount; ++n)
        state.WinFrames[static_cast<std::size_t>(n)] = holders::winFrame(n);
    for (int n = 1; n <= holders::kLoseFrameCount; ++n)
        state.LoseFrames[static_cast<std::size_t>(n)] = holders::loseFrame(n);

    view[Role::ResultText].caption.clear();
    state.OpponentMode = PlayMode::Alone;
    state.PlayerCount = 1;
    view.setCoversEnabled(false);
}

void adaptToScreen(MainView& view, ScreenSize screen) {
    if (screen.width != kScaledScreenWidth) {
        keepFacesUnderCovers(view);
        return;
    }
    for (Control& c : view.controls()) {
        c.bounds = {scaled(c.bounds.left), scaled(c.bounds.top), scaled(c.bounds.width),
                    scaled(c.bounds.height)};
    }
    view[Role::Trophy].bounds.top += 5;
    FormState& form = view.form;
    form.scale = 720.0 / 600.0;
    form.clientWidth = scaled(form.clientWidth);
    form.clientHeight = scaled(form.clientHeight);
    const int windowWidth = form.clientWidth + kNonClientWidth;
    const int windowHeight = form.clientHeight + kNonClientHeight;
    form.left = (screen.width - windowWidth) / 2;
    form.top = (screen.height - windowHeight) / 2 - 12;
    keepFacesUnderCovers(view);
}

void keepFacesUnderCovers(MainView& view) {
    const auto fit = [](int& start, int& length, int outerStart, int outerLength) {
        length = std::min(length, outerLength);
        start = std::clamp(start, outerStart, outerStart + outerLength - length);
    };
    for (int k = 1; k <= 24; ++k) {
        Rect& face = view.face(k).bounds;
        const Rect& cover = view.cover(k).bounds;
        fit(face.left, face.width, cover.left, cover.width);
        fit(face.top, face.height, cover.top, cover.height);
    }
}

void applyBoardLayout(MainView& view, int blockCount, int screenWidth) {
    if (screenWidth > kScaledScreenWidth)
        return;
    const bool scaledScreen = screenWidth == kScaledScreenWidth;
    const LowerLayout& layout = blockCount == 16 ? (scaledScreen ? kLayout16Scaled : kLayout16)
                                                 : (scaledScreen ? kLayout24Scaled : kLayout24);
    for (Role role : {Role::PlayButton, Role::StopButton})
        view[role].bounds.top = layout.playStop;
    for (Role role : {Role::TimeButton, Role::FiguresButton})
        view[role].bounds.top = layout.timeFigures;
    for (Role role : {Role::OpponentButton, Role::RecordsButton})
        view[role].bounds.top = layout.opponentRecords;
    view[Role::SoundBar].bounds.top = layout.soundBar;
    for (Role role :
         {Role::PlayersHeading, Role::PointsHeading, Role::ResultHeading, Role::TimeHeading})
        view[role].bounds.top = layout.headings;
    for (Role role : {Role::ScoreBoard, Role::ResultBoard})
        view[role].bounds.top = layout.scoreboard;
    view.form.clientHeight = layout.windowHeight - kNonClientHeight;
}

void showRowThree(MainView& view, bool visible) {
    for (int k = 17; k <= 24; ++k) {
        view.frame(k).visible = visible;
        view.face(k).visible = visible;
        view.cover(k).visible = visible;
    }
}

} // namespace qv
