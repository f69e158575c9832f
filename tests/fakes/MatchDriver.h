#pragma once

#include "game/Game.h"
#include "tests/fakes/TestPorts.h"

#include <utility>
#include <vector>

namespace qv::test {

/// The two positions of every pair still on the board.
std::vector<std::pair<int, int>> pairsOnBoard(const Game& game);

/// A game on test ports with the moves a person makes: start, turn blocks, wait.
class MatchDriver {
public:
    explicit MatchDriver(ScreenSize screen = {1024, 768});

    TestPorts ports;
    Game game{ports.ports()};

    /// JOGAR, then the first tick that shows the board.
    void start();
    /// Clicks a block and waits until its uncovering is over.
    void turn(int position);
    /// The two positions of every pair on the board.
    std::vector<std::pair<int, int>> pairs() const;
    /// Two blocks that do not match.
    std::pair<int, int> miss() const;
    /// Finds a pair and waits until it has left the board.
    void findPair(std::pair<int, int> pair);
    /// Misses and waits until both blocks have closed again.
    void missOnce();
    /// Lets virtual time pass.
    void wait(int milliseconds) { ports.scheduler.advance(milliseconds); }
    const Control& label(Role role) { return game.view[role]; }
};

} // namespace qv::test
