#pragma once

#include "match/Picture.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace qv {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colors {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kMaroon{128, 0, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kOlive{128, 128, 0};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kGray128{128, 128, 128};
inline constexpr Rgb kGray158{158, 158, 158};
inline constexpr Rgb kMenu{240, 240, 240};
} // namespace colors

enum class ControlKind { Panel, Label, Picture, Bevel, Shape, Button, CheckBox };
enum class Align { Left, Right, Center };

/// One control of the main window as the rules see it. Positions are pixels
/// relative to the parent's client area, already scaled for the screen.
struct Control {
    std::string name;
    std::string parent; ///< empty: the window's client area
    ControlKind kind = ControlKind::Label;
    Rect bounds;
    std::string caption;
    bool visible = true;
    bool enabled = true; ///< for pictures: takes clicks; their look never changes
    bool checked = false;
    Rgb color; ///< text colour; a panel's or shape's fill
    int fontPoints = 8;
    bool bold = false;
    Align align = Align::Left;
    std::string hint;
    Picture picture;
};

struct FormState {
    int left = 79;
    int top = 23;
    int clientWidth = 609;
    int clientHeight = 400;
    bool enabled = true;
    double scale = 1.0; ///< 1.2 on a screen exactly 800 pixels wide; fonts grow with it
};

/// Check marks of the menu entries that the settings tick.
struct MenuMarks {
    bool time3min = true;
    bool time2min = false;
    bool time1min = false;
    bool time45s = false;
    bool blocks24 = true;
    bool blocks16 = false;
    bool playAlone = true;
    bool playWithFriend = false;
};

/// The main window's single controls, by what each shows or does. The blocks'
/// frames, faces and covers and the letters of the end display come in rows of
/// their own, reached by position (see MainView).
enum class Role {
    SoundBar,       ///< the sunken strip under the board: sound switch, banner, tally
    SoundSwitch,    ///< the master sound check box
    SoundCaption,   ///< "Som", red while the sound is on
    Banner,         ///< the game's name, shown in the strip between matches
    TallyCaption,   ///< "Placar:"
    TallyName1,     ///< the tally's first player
    TallyWins1,     ///< matches won by the first player
    TallyVersus,    ///< the "X" between the two tallies
    TallyWins2,     ///< matches won by the second player
    TallyName2,     ///< the tally's second player (a person or the computer)
    HeadingPicture, ///< the picture behind the "PARTICIPANTE(S)" heading
    PlayersHeading, ///< "PARTICIPANTE(S)"
    PointsHeading,  ///< "PONTOS"
    TimeHeading,    ///< "TEMPO"
    ResultHeading,  ///< "RESULTADO"
    ScoreBoard,     ///< the black panel of names, points and times
    Player1Name,
    Player1Points,
    Player1Time, ///< the time player 1 used
    Player2Name,
    Player2Points,
    Player2Time,     ///< the time player 2 used
    ScoreDivider,    ///< the line under the players' rows
    ClockCaption,    ///< "Tempo restante........:"
    Clock,           ///< the time left, or the word shown without a limit
    ResultBoard,     ///< the black panel of the match's result
    ResultText,      ///< what the match came to
    Trophy,          ///< the trophy or the loser's picture of the end display
    WinnerFrame,     ///< the bevel under the "Vencedor" caption
    WinnerCaption,   ///< "Vencedor"
    CancelNotice,    ///< "Partida cancelada!"
    ScoreBoardShade, ///< the grey edge left of the score board
    PlayButton,      ///< JOGAR
    StopButton,      ///< PARAR
    TimeButton,      ///< "Tempo": asks for the time limit
    OpponentButton,  ///< "Jogador": asks whom to play against
    FiguresButton,   ///< "Figuras": chooses the blocks' figures
    RecordsButton,   ///< "Records": shows the best records
    FocusHolder,     ///< the invisible button that holds the focus for the board's keys
};
inline constexpr std::size_t kRoleCount = static_cast<std::size_t>(Role::FocusHolder) + 1;

/// The object name of a role's control, as tests and the widgets know it: "playButton".
const char* roleName(Role role);

/// The visible state of the main window: one entry per control the rules touch,
/// laid out as the window's design has it. The window renders it after every
/// event, and tests read it by the roles of its controls.
class MainView {
public:
    MainView();
    MainView(const MainView&) = delete;
    MainView& operator=(const MainView&) = delete;

    FormState form;
    MenuMarks menu;
    /// The control the rules want to hold the keyboard focus; the window gives it
    /// the focus once, when no menu, box or dialog is open, and clears the request.
    std::optional<Role> focus;

    /// Board position 1..24.
    Control& cover(int position) { return *m_cover[static_cast<std::size_t>(position)]; }
    Control& face(int position) { return *m_face[static_cast<std::size_t>(position)]; }
    Control& frame(int position) { return *m_frame[static_cast<std::size_t>(position)]; }
    const Control& cover(int position) const {
        return *m_cover[static_cast<std::size_t>(position)];
    }
    const Control& face(int position) const { return *m_face[static_cast<std::size_t>(position)]; }
    const Control& frame(int position) const {
        return *m_frame[static_cast<std::size_t>(position)];
    }

    /// Lets all 24 covers take clicks, or stops them.
    void setCoversEnabled(bool enabled);

    /// The winner's letters 1..10 and the loser's letters 0..5 of the end display.
    Control& winnerLetter(int n) { return *m_winnerLetter[static_cast<std::size_t>(n)]; }
    Control& loserLetter(int n) { return *m_loserLetter[static_cast<std::size_t>(n)]; }
    const Control& winnerLetter(int n) const {
        return *m_winnerLetter[static_cast<std::size_t>(n)];
    }
    const Control& loserLetter(int n) const { return *m_loserLetter[static_cast<std::size_t>(n)]; }

    Control& operator[](Role role) { return *m_role[static_cast<std::size_t>(role)]; }
    const Control& operator[](Role role) const { return *m_role[static_cast<std::size_t>(role)]; }

    /// Every control in creation order (parents before children, bottom to top).
    std::vector<Control>& controls() { return m_controls; }
    const std::vector<Control>& controls() const { return m_controls; }

private:
    std::vector<Control> m_controls;
    std::array<Control*, 25> m_cover{};
    std::array<Control*, 25> m_face{};
    std::array<Control*, 25> m_frame{};
    std::array<Control*, 11> m_winnerLetter{};
    std::array<Control*, 6> m_loserLetter{};
    std::array<Control*, kRoleCount> m_role{};
};

/// Object names of the board, by position 1..24 (entry 0 unused).
const std::array<std::string, 25>& coverNames();
const std::array<std::string, 25>& faceNames();
const std::array<std::string, 25>& frameNames();

/// Labels that only stand for what the rules write there later (names, points,
/// times, the clock, the tally's names, the winner's letters). They start empty, so
/// a person never sees a stand-in, whatever the rules write afterwards.
const std::vector<std::string>& designPlaceholders();

/// Object names of the winner's letters 1..10 and the loser's letters 0..5.
std::string winnerLetterName(int n);
std::string loserLetterName(int n);

} // namespace qv
