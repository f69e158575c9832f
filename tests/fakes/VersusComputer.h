#pragma once

#include "tests/fakes/ComputerMatch.h"

#include <cstdint>
#include <random>

namespace qv::test {

/// How the scripted person picks blocks: at random among the closed ones, or
/// remembering every block ever shown and taking a pair as soon as it knows one.
enum class Person { Random, Remembering };

/// What one whole match against the computer showed.
struct MatchOutcome {
    bool cleared = false;         ///< the board was cleared and the match ended
    int points1 = 0;              ///< the person's points: 150 a pair, -25 an open miss
    int points2 = 0;              ///< the computer's
    int pairs1 = 0, pairs2 = 0;   ///< pairs found, by side
    int pairedPositions = 0;      ///< positions turned as part of a found pair
    int facesLeft = 0;            ///< faces still on the board at the end
    int mostOpen = 0;             ///< most blocks seen open at once
    bool pointsHeld = true;       ///< every score shown matched its side's pairs and misses
    std::int64_t longestTurn = 0; ///< longest computer turn, in milliseconds
};

/// Plays a match already started with `ComputerMatch::start` to its end, watching
/// the board every 10 ms of virtual time, also inside the computer's pauses.
/// Gives up after `limitMilliseconds`.
MatchOutcome playToTheEnd(ComputerMatch& match, Person person, std::uint32_t personSeed,
                          std::int64_t limitMilliseconds = 30 * 60 * 1000);

} // namespace qv::test
