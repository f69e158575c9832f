#pragma once

#include "platform/Ports.h"

#include <array>
#include <string>

namespace qv {

class BlockReveal;
class LevelPanel;
class MainView;
class SoundCues;
struct MatchState;
struct MatchTimers;

/// One strength of the computer: how it is shown and named, and how many partners
/// it may test for its first block with few (8 or less), some (9 to 16) and many
/// (more than 16) positions left on the board.
struct ComputerLevel {
    const char* caption;
    const char* code;
    const char* playerName;
    std::array<int, 3> attempts;
};

inline constexpr int kLevelCount = 3;
/// Level 1 "Sabidinho", 2 "Inteligente", 3 "Superdotado".
const ComputerLevel& computerLevel(int level);
/// The level whose code this is; 1 for an unknown or empty code.
int levelOfCode(const std::string& code);

/// The computer as the second contender on one board. When its turn comes it
/// waits on `computerWait`, turns a first block, tests partners without showing them
/// (only among blocks someone has turned before, at the stronger levels), looks
/// at the person's latest try before its last attempt, and turns its last
/// candidate openly. It drives the same click handler a person's clicks do.
class ComputerOpponent {
public:
    /// It turns blocks through `reveal`, as a person's clicks do, and asks for its
    /// level through the game definition window's `levelPanel`.
    ComputerOpponent(MatchState& state, MainView& view, MatchTimers& timers, const Ports& ports,
                     SoundCues& sound, BlockReveal& reveal, LevelPanel& levelPanel);

    /// The turn is the computer's: start or go on with the wait, and move once it is over.
    void trigger();
    void onWaitTick();
    /// One move: a found pair, or an open miss that passes the turn.
    void makeMove();
    /// Turns the block at ComputerPick; position 0 turns nothing.
    void turnPick();
    void notePersonFirstBlock(int position);
    void notePersonSecondBlock(int position);
    /// Waits while timers keep firing and the window keeps painting.
    void waitFor(int milliseconds);
    /// "&Computador", and the computer picture of the game definition dialog.
    void onPlayComputer();
    /// Puts a level's attempts, code and player name in force.
    void applyLevel(int level);
    /// The candidates the latest move drew, by attempt number 1..12 (0: none).
    const std::array<int, 13>& candidates() const { return m_candidates; }

private:
    int waitTicks() const;
    void reseed();
    int drawPosition();
    bool onBoard(int position) const;
    int positionsLeft() const;
    bool validCandidate(int position, int attempt, int first) const;
    int drawCandidate(int attempt, int first);
    /// Tests the person's latest two positions hidden; true when one was the partner.
    bool lookAtLatestTry(int first);
    bool testHidden(int position);

    MatchState& m_state;
    MainView& m_view;
    MatchTimers& m_timers;
    /// Held by value: it only holds references, and a caller's may be a temporary.
    Ports m_ports;
    SoundCues& m_sound;
    BlockReveal& m_reveal;
    LevelPanel& m_levelPanel;
    /// Candidates of this move by attempt number 1..12 (entry 0 unused).
    std::array<int, 13> m_candidates{};
};

} // namespace qv
