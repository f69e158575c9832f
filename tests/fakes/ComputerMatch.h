#pragma once

#include "tests/fakes/MatchDriver.h"
#include "tests/fakes/RecordingCues.h"

#include <cstdint>
#include <functional>

namespace qv::test {

/// A match on one board against the computer, in virtual time: the person is
/// scripted, the computer plays by its rules.
class ComputerMatch {
public:
    /// The game starts `seed` milliseconds later than the default; the time of
    /// day seeds both the deal and the computer.
    explicit ComputerMatch(std::int64_t seed = 0);

    MatchDriver d;
    RecordingCues cues;
    MatchState& s = d.game.state;

    /// Level 1..3 (0: none chosen) against the computer on a board of 24 or 16
    /// blocks, then JOGAR.
    void start(int level, int blocks = 24);
    /// Ends whatever runs and starts a new match `seed` milliseconds later; cheaper
    /// than a new game when thousands of matches are played.
    void restart(std::int64_t seed, int level, int blocks = 24);
    /// Takes the found pairs off the board as if someone had found them, until
    /// `left` positions remain.
    void leaveOnBoard(int left);
    /// The person's try at two closed blocks; a miss hands the turn over.
    void personTries(int first, int second);
    /// Lets the computer play until the turn is back with the person or the board
    /// is cleared; false if that took more than `limitMilliseconds`.
    bool computerPlays(int limitMilliseconds = 60'000);
    /// Positions whose face shows with the cover off.
    int openBlocks() const;
    /// Whether the position still has its pair on the board and its cover closed.
    bool closedOnBoard(int position) const;
};

} // namespace qv::test
