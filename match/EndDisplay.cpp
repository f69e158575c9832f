#include "match/EndDisplay.h"

#include <cstddef>
#include <string>

namespace qv {

namespace {

struct Point {
    int left;
    int top;
};

constexpr int kNameLength = 10;
constexpr int kLoserLength = 5;

// Where the winner's letters travel, P1 first; shifted right on an 800-wide screen.
constexpr std::array<Point, kNameLength> kWinnerPath{{{96, 28},
                                                      {107, 14},
                                                      {125, 8},
                                                      {140, 12},
                                                      {149, 22},
                                                      {155, 42},
                                                      {157, 60},
                                                      {167, 74},
                                                      {181, 82},
                                                      {192, 86}}};
constexpr int kWinnerShiftOn800 = 15;

// Where PERDI travels, Q1 first.
constexpr std::array<Point, 6> kLoserPath{
    {{79, 58}, {66, 57}, {50, 52}, {37, 41}, {26, 30}, {15, 19}}};

constexpr int kWinFrameCount = 7;
constexpr int kWinCycleFrames = 27;
constexpr int kLoseFrameCount = 3;
constexpr int kLoseCycleFrames = 15;

void place(Control& label, Point point, int shift = 0) {
    label.bounds.left = point.left + shift;
    label.bounds.top = point.top;
}

/// The first ten characters of a UTF-8 text, one per entry; missing ones are
/// empty. A character is a lead byte with the continuation bytes after it, so a
/// broken sequence never makes us read past the end or split "ã" in two.
std::array<std::string, kNameLength> firstCharacters(const std::string& text) {
    std::array<std::string, kNameLength> result;
    std::size_t i = 0;
    for (std::string& character : result) {
        if (i >= text.size())
            break;
        const std::size_t start = i++;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
        character = text.substr(start, i - start);
    }
    return result;
}

} // namespace

EndDisplay::EndDisplay(MatchState& state, MainView& view, MatchTimers& timers, SoundCues& sound,
                       const ScreenSize& screen)
    : m_state(state), m_view(view), m_timers(timers), m_sound(sound), m_screen(screen) {
    // The view's controls never move once it is built, so the letters are looked
    // up once here instead of on every frame.
    for (int n = 1; n <= kNameLength; ++n)
        m_nameLetters[static_cast<std::size_t>(n - 1)] = &m_view.winnerLetter(n);
    for (int n = 1; n <= kLoserLength; ++n)
        m_loserLetters[static_cast<std::size_t>(n - 1)] = &m_view.loserLetter(n);
    m_trophy = &m_view[Role::Trophy];
    m_timers.endAnimation.setHandler([this] { onFrame(); });
}

void EndDisplay::clearResult() {
    MainView& view = m_view;
    m_timers.endAnimation.stop();
    view[Role::Trophy].picture = {};
    view[Role::WinnerCaption].visible = false;
    view[Role::WinnerFrame].visible = false;
    for (int n = 1; n <= 10; ++n)
        view.winnerLetter(n).visible = false;
    for (int n = 0; n <= 5; ++n)
        view.loserLetter(n).visible = false;
}

void EndDisplay::showWinner(const std::string& text) {
    MainView& view = m_view;
    MatchState& s = m_state;
    view[Role::Player1Name].visible = true;
    view[Role::Player2Name].visible = true;
    const std::array<std::string, kNameLength> characters = firstCharacters(text);
    for (std::size_t k = 0; k < m_nameLetters.size(); ++k)
        m_nameLetters[k]->caption = characters[k];
    m_timers.endAnimation.setInterval(s.EndAnimInterval);
    s.EndAnimFrame = 0;
    s.LetterStep = 0;
    view[Role::WinnerCaption].visible = true;
    view[Role::WinnerFrame].visible = true;
    m_trophy->visible = true;
}

void EndDisplay::onFrame() {
    MatchState& s = m_state;
    ++s.EndAnimFrame;
    const bool loser = s.OpponentMode == PlayMode::Alone && s.LostAlone;
    const int frameCount = loser ? kLoseFrameCount : kWinFrameCount;
    const int cycleFrames = loser ? kLoseCycleFrames : kWinCycleFrames;

    // The sound belongs to the match, not to each pass of the loop.
    if (s.EndAnimFrame == 1 && s.EndSoundState == EndSound::Due) {
        if (loser)
            m_sound.defeat();
        else
            m_sound.victory();
        s.EndSoundState = EndSound::Played;
    }
    if (s.EndAnimFrame >= 1 && s.EndAnimFrame <= frameCount) {
        const auto frame = static_cast<std::size_t>(s.EndAnimFrame);
        m_trophy->picture = loser ? s.LoseFrames[frame] : s.WinFrames[frame];
    }
    if (s.EndAnimFrame >= frameCount) {
        if (loser)
            stepLoserLetters();
        else
            stepWinnerName();
    }
    // At or past the end: a frame count left over from the other display must not
    // keep the loop from starting again.
    if (s.EndAnimFrame >= cycleFrames) {
        s.EndAnimFrame = 0;
        s.LetterStep = 0;
    }
}

void EndDisplay::stepWinnerName() {
    const int step = ++m_state.LetterStep;
    if (step < 1 || step > 2 * kNameLength)
        return;
    // Entering, the label that joins at P1; leaving, the one that stood at P10.
    if (step <= kNameLength)
        m_nameLetters[static_cast<std::size_t>(kNameLength - step)]->visible = true;
    else
        m_nameLetters[static_cast<std::size_t>(2 * kNameLength - step)]->visible = false;

    const int shift = m_screen.width == 800 ? kWinnerShiftOn800 : 0;
    for (int k = 1; k <= kNameLength; ++k) {
        // L(k) has reached P(k + step - 10); outside 1..10 it is not (or no longer) on the path.
        const int point = k + step - kNameLength;
        if (point >= 1 && point <= kNameLength)
            place(*m_nameLetters[static_cast<std::size_t>(k - 1)],
                  kWinnerPath[static_cast<std::size_t>(point - 1)], shift);
    }
}

void EndDisplay::stepLoserLetters() {
    const int step = ++m_state.LetterStep;
    const int pathLength = static_cast<int>(kLoserPath.size());
    if (step < 1 || step > kLoserLength + pathLength)
        return;
    // Entering, loser letter `step` joins at Q1; leaving, the one that stood at Q6.
    if (step <= kLoserLength)
        m_loserLetters[static_cast<std::size_t>(step - 1)]->visible = true;
    else if (step > pathLength)
        m_loserLetters[static_cast<std::size_t>(step - pathLength - 1)]->visible = false;

    for (int j = 1; j <= kLoserLength; ++j) {
        // Loser letter j joined at step j and has reached Q(step - j + 1).
        const int point = step - j + 1;
        if (point >= 1 && point <= pathLength)
            place(*m_loserLetters[static_cast<std::size_t>(j - 1)],
                  kLoserPath[static_cast<std::size_t>(point - 1)]);
    }
}

} // namespace qv
