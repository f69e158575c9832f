#include "match/MainView.h"

#include <stdexcept>
#include <utility>

namespace qv {

namespace {

struct BoardPlace {
    Rect cover;
    Rect face;
    Rect frame;
};

// Design places of the 24 blocks, position 1 first.
constexpr std::array<BoardPlace, 24> kBoard{{
    {{9, 8, 67, 67}, {10, 9, 66, 66}, {7, 6, 71, 71}},
    {{83, 8, 67, 67}, {84, 9, 66, 66}, {81, 6, 71, 71}},
    {{158, 8, 67, 67}, {159, 9, 66, 66}, {156, 6, 71, 71}},
    {{233, 8, 67, 67}, {234, 9, 66, 66}, {231, 6, 71, 71}},
    {{307, 8, 67, 67}, {308, 9, 66, 66}, {305, 6, 71, 71}},
    {{382, 8, 67, 67}, {383, 9, 66, 66}, {380, 6, 71, 71}},
    {{457, 8, 67, 67}, {458, 9, 66, 66}, {455, 6, 71, 71}},
    {{532, 8, 67, 67}, {533, 9, 66, 66}, {530, 6, 71, 71}},
    {{9, 89, 67, 67}, {10, 90, 66, 66}, {7, 87, 71, 71}},
    {{84, 89, 67, 67}, {85, 90, 66, 66}, {82, 87, 71, 71}},
    {{159, 89, 67, 68}, {160, 90, 66, 66}, {157, 87, 71, 71}},
    {{234, 89, 67, 67}, {235, 90, 66, 66}, {232, 87, 71, 71}},
    {{309, 89, 67, 67}, {310, 90, 66, 66}, {307, 87, 71, 71}},
    {{384, 89, 67, 67}, {385, 90, 66, 66}, {382, 87, 71, 71}},
    {{458, 89, 67, 67}, {460, 90, 66, 66}, {456, 87, 71, 71}},
    {{533, 89, 67, 67}, {534, 90, 66, 66}, {531, 87, 71, 71}},
    {{9, 169, 67, 67}, {10, 170, 66, 66}, {7, 167, 71, 71}},
    {{84, 169, 67, 67}, {84, 169, 66, 66}, {82, 167, 71, 71}},
    {{159, 169, 67, 67}, {160, 170, 66, 66}, {157, 167, 71, 71}},
    {{234, 169, 67, 67}, {235, 170, 66, 66}, {232, 167, 71, 71}},
    {{309, 169, 67, 67}, {310, 169, 66, 66}, {307, 167, 71, 71}},
    {{384, 169, 67, 67}, {385, 170, 66, 66}, {382, 167, 71, 71}},
    {{459, 169, 67, 67}, {459, 169, 66, 66}, {457, 167, 71, 71}},
    {{534, 169, 67, 67}, {535, 170, 66, 66}, {532, 167, 71, 71}},
}};

/// Object names of the blocks by position: "blockCover1" .. "blockCover24".
std::array<std::string, 25> blockNames(const char* kind) {
    std::array<std::string, 25> names;
    for (std::size_t k = 1; k <= 24; ++k)
        names[k] = kind + std::to_string(k);
    return names;
}

constexpr std::array<const char*, kRoleCount> kRoleNames{
    "soundBar",       "soundSwitch",     "soundCaption",  "banner",       "tallyCaption",
    "tallyName1",     "tallyWins1",      "tallyVersus",   "tallyWins2",   "tallyName2",
    "headingPicture", "playersHeading",  "pointsHeading", "timeHeading",  "resultHeading",
    "scoreBoard",     "player1Name",     "player1Points", "player1Time",  "player2Name",
    "player2Points",  "player2Time",     "scoreDivider",  "clockCaption", "clock",
    "resultBoard",    "resultText",      "trophy",        "winnerFrame",  "winnerCaption",
    "cancelNotice",   "scoreBoardShade", "playButton",    "stopButton",   "timeButton",
    "opponentButton", "figuresButton",   "recordsButton", "focusHolder"};

std::string name(Role role) {
    return roleName(role);
}

Control make(std::string name, std::string parent, ControlKind kind, Rect bounds,
             std::string caption = {}) {
    Control c;
    c.name = std::move(name);
    c.parent = std::move(parent);
    c.kind = kind;
    c.bounds = bounds;
    c.caption = std::move(caption);
    return c;
}

Control label(std::string name, std::string parent, Rect bounds, std::string caption, Rgb color,
              bool bold = false, int points = 8) {
    Control c =
        make(std::move(name), std::move(parent), ControlKind::Label, bounds, std::move(caption));
    c.color = color;
    c.bold = bold;
    c.fontPoints = points;
    return c;
}

Control hidden(Control c) {
    c.visible = false;
    return c;
}

Control aligned(Control c, Align align) {
    c.align = align;
    return c;
}

Control button(std::string name, Rect bounds, std::string caption, Rgb color, std::string hint) {
    Control c = make(std::move(name), {}, ControlKind::Button, bounds, std::move(caption));
    c.color = color;
    c.bold = true;
    c.hint = std::move(hint);
    return c;
}

Control panel(std::string name, std::string parent, Rect bounds, std::string caption, Rgb fill,
              bool bold = false) {
    Control c =
        make(std::move(name), std::move(parent), ControlKind::Panel, bounds, std::move(caption));
    c.color = fill;
    c.bold = bold;
    return c;
}

} // namespace

const char* roleName(Role role) {
    return kRoleNames[static_cast<std::size_t>(role)];
}

const std::array<std::string, 25>& coverNames() {
    static const std::array<std::string, 25> kNames = blockNames("blockCover");
    return kNames;
}
const std::array<std::string, 25>& faceNames() {
    static const std::array<std::string, 25> kNames = blockNames("blockFace");
    return kNames;
}
const std::array<std::string, 25>& frameNames() {
    static const std::array<std::string, 25> kNames = blockNames("blockFrame");
    return kNames;
}

std::string winnerLetterName(int n) {
    return "winnerLetter" + std::to_string(n);
}

std::string loserLetterName(int n) {
    return "loserLetter" + std::to_string(n);
}

const std::vector<std::string>& designPlaceholders() {
    static const std::vector<std::string> kPlaceholders = [] {
        std::vector<std::string> names;
        for (Role role : {Role::Player1Time, Role::Player1Name, Role::Player1Points,
                          Role::Player2Name, Role::Player2Points, Role::Player2Time, Role::Clock,
                          Role::TallyName1, Role::TallyName2})
            names.push_back(name(role));
        for (int n = 1; n <= 10; ++n)
            names.push_back(winnerLetterName(n));
        return names;
    }();
    return kPlaceholders;
}

MainView::MainView() {
    auto& v = m_controls;
    v.reserve(140);

    // The board, bottom to top at each position: frame, face, cover.
    for (std::size_t k = 1; k <= 24; ++k) {
        const BoardPlace& place = kBoard[k - 1];
        v.push_back(make(frameNames()[k], {}, ControlKind::Bevel, place.frame));
        v.push_back(make(faceNames()[k], {}, ControlKind::Picture, place.face));
        v.push_back(make(coverNames()[k], {}, ControlKind::Picture, place.cover));
    }

    const std::string soundBar = name(Role::SoundBar);
    v.push_back(panel(soundBar, {}, {8, 246, 596, 19}, {}, colors::kMenu));
    Control soundSwitch =
        make(name(Role::SoundSwitch), soundBar, ControlKind::CheckBox, {10, 3, 13, 13});
    soundSwitch.checked = true;
    soundSwitch.hint = "Ativa/Desativa som";
    v.push_back(soundSwitch);
    v.push_back(label(name(Role::SoundCaption), soundBar, {26, 2, 30, 15}, "Som", colors::kRed));
    Control banner = panel(name(Role::Banner), soundBar, {70, 2, 230, 15},
                           "Quorvanella 2.0 \u00b7 jogo da mem\u00f3ria", colors::kMenu);
    banner.fontPoints = 7;
    banner.visible = false;
    v.push_back(banner);
    v.push_back(hidden(label(name(Role::TallyCaption), soundBar, {306, 2, 44, 15},
                             "Placar:", colors::kRed, true)));
    v.push_back(hidden(
        aligned(label(name(Role::TallyName1), soundBar, {352, 2, 96, 15}, {}, colors::kBlack, true),
                Align::Right)));
    v.push_back(hidden(aligned(
        label(name(Role::TallyWins1), soundBar, {450, 2, 24, 15}, "0", colors::kBlack, true),
        Align::Right)));
    v.push_back(hidden(
        label(name(Role::TallyVersus), soundBar, {479, 2, 10, 15}, "X", colors::kRed, true)));
    v.push_back(hidden(
        label(name(Role::TallyWins2), soundBar, {492, 2, 24, 15}, "0", colors::kBlack, true)));
    v.push_back(hidden(
        label(name(Role::TallyName2), soundBar, {520, 2, 72, 15}, {}, colors::kBlack, true)));

    v.push_back(make(name(Role::HeadingPicture), {}, ControlKind::Picture, {56, 272, 159, 25}));
    v.push_back(panel(name(Role::PlayersHeading), {}, {57, 272, 159, 25}, "PARTICIPANTE(S)",
                      colors::kMenu, true));
    v.push_back(panel(name(Role::PointsHeading), {}, {216, 272, 65, 25}, "PONTOS", colors::kMenu));
    v.push_back(panel(name(Role::TimeHeading), {}, {281, 272, 63, 25}, "TEMPO", colors::kMenu));
    v.push_back(
        panel(name(Role::ResultHeading), {}, {344, 272, 208, 25}, "RESULTADO", colors::kMenu));

    const std::string scoreBoard = name(Role::ScoreBoard);
    v.push_back(panel(scoreBoard, {}, {55, 296, 290, 105}, {}, colors::kBlack));
    v.push_back(
        label(name(Role::Player1Name), scoreBoard, {8, 8, 150, 20}, {}, colors::kAqua, false, 12));
    v.push_back(
        label(name(Role::Player1Points), scoreBoard, {166, 8, 70, 16}, {}, colors::kAqua, true));
    v.push_back(
        label(name(Role::Player1Time), scoreBoard, {241, 8, 44, 16}, {}, colors::kWhite, true));
    v.push_back(
        label(name(Role::Player2Name), scoreBoard, {8, 32, 150, 20}, {}, colors::kLime, false, 12));
    v.push_back(
        label(name(Role::Player2Points), scoreBoard, {165, 32, 70, 16}, {}, colors::kLime, true));
    v.push_back(
        label(name(Role::Player2Time), scoreBoard, {240, 32, 44, 16}, {}, colors::kLime, true));
    Control divider =
        make(name(Role::ScoreDivider), scoreBoard, ControlKind::Shape, {6, 52, 279, 4});
    divider.color = colors::kSilver;
    v.push_back(divider);
    v.push_back(hidden(label(name(Role::ClockCaption), scoreBoard, {8, 66, 132, 16},
                             "Tempo restante........:", colors::kSilver, true)));
    v.push_back(
        label(name(Role::Clock), scoreBoard, {143, 64, 60, 18}, {}, colors::kYellow, true, 10));

    const std::string resultBoard = name(Role::ResultBoard);
    v.push_back(panel(resultBoard, {}, {344, 296, 209, 105}, {}, colors::kBlack));
    v.push_back(
        label(name(Role::ResultText), resultBoard, {8, 6, 193, 20}, {}, colors::kLime, true, 10));
    // The caption "Vencedor" stands in front of the trophy, so it stays readable.
    v.push_back(make(name(Role::Trophy), resultBoard, ControlKind::Picture, {79, 34, 65, 65}));
    v.push_back(
        hidden(make(name(Role::WinnerFrame), resultBoard, ControlKind::Bevel, {56, 78, 89, 18})));
    v.push_back(hidden(label(name(Role::WinnerCaption), resultBoard, {72, 80, 60, 14}, "Vencedor",
                             colors::kOlive, true)));
    for (int n = 1; n <= 10; ++n) {
        v.push_back(hidden(label(winnerLetterName(n), resultBoard, {0, 0, 12, 16}, {},
                                 colors::kYellow, true, 10)));
    }
    const char* loserLetters[] = {"0", "P", "E", "R", "D", "I"};
    for (int n = 0; n <= 5; ++n) {
        v.push_back(hidden(label(loserLetterName(n), resultBoard, {0, 0, 12, 16}, loserLetters[n],
                                 colors::kYellow, true, 10)));
    }
    v.push_back(hidden(label(name(Role::CancelNotice), resultBoard, {44, 44, 124, 16},
                             "Partida cancelada!", colors::kRed, true)));

    Control shade = make(name(Role::ScoreBoardShade), {}, ControlKind::Shape, {55, 296, 5, 108});
    shade.color = colors::kGray128;
    v.push_back(shade);

    v.push_back(
        button(name(Role::PlayButton), {0, 272, 57, 79}, "JOGAR", colors::kBlue, "Iniciar Jogo"));
    v.push_back(button(name(Role::StopButton), {552, 272, 57, 79}, "PARAR", colors::kMaroon,
                       "Cancela a partida atual..."));
    v.push_back(
        button(name(Role::TimeButton), {0, 351, 57, 25}, "Tempo", colors::kRed, "Defina o Tempo!"));
    v.push_back(button(name(Role::OpponentButton), {0, 376, 57, 25}, "Jogador", colors::kNavy,
                       "Escolha com quem Jogar!"));
    v.push_back(button(name(Role::FiguresButton), {552, 351, 57, 25}, "Figuras", colors::kRed,
                       "Escolher de figuras!"));
    v.push_back(button(name(Role::RecordsButton), {552, 376, 57, 25}, "Records", colors::kNavy,
                       "Veja os melhores Records!"));
    v.push_back(button(name(Role::FocusHolder), {338, 348, 1, 1}, {}, colors::kBlack, {}));

    // The vector is complete: pointers into it stay valid from here on.
    const auto find = [this](const std::string& wanted) {
        for (Control& c : m_controls) {
            if (c.name == wanted)
                return &c;
        }
        throw std::logic_error("the main view has no control " + wanted);
    };
    for (std::size_t k = 1; k <= 24; ++k) {
        m_cover[k] = find(coverNames()[k]);
        m_face[k] = find(faceNames()[k]);
        m_frame[k] = find(frameNames()[k]);
    }
    for (int n = 1; n <= 10; ++n)
        m_winnerLetter[static_cast<std::size_t>(n)] = find(winnerLetterName(n));
    for (int n = 0; n <= 5; ++n)
        m_loserLetter[static_cast<std::size_t>(n)] = find(loserLetterName(n));
    for (std::size_t r = 0; r < kRoleCount; ++r)
        m_role[r] = find(kRoleNames[r]);
}

void MainView::setCoversEnabled(bool enabled) {
    for (int k = 1; k <= 24; ++k)
        cover(k).enabled = enabled;
}

} // namespace qv
