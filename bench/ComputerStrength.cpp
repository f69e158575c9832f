// Measures how strong each computer level plays: whole matches on one board in
// virtual time against a person who turns blocks at random and one who remembers
// every block shown, on 24 and on 16 blocks. Writes a Markdown table:
//
//   build/bench/qv_computer_strength [MATCHES] > docs/computer-strength.md

#include "tests/fakes/VersusComputer.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using qv::test::ComputerMatch;
using qv::test::MatchOutcome;
using qv::test::Person;

struct Tally {
    int wins = 0, draws = 0, losses = 0, unfinished = 0;
    long long points = 0;
    int matches = 0;
};

double share(int count, int of) {
    return of == 0 ? 0.0 : 100.0 * count / of;
}

} // namespace

int main(int argc, char** argv) {
    const int matches = argc > 1 ? std::atoi(argv[1]) : 2000;
    if (matches <= 0) {
        std::fprintf(stderr, "usage: %s [MATCHES per level, board and person]\n", argv[0]);
        return 2;
    }
    std::printf("# How strong the computer plays\n\n"
                "Made by `build/bench/qv_computer_strength %d > docs/computer-strength.md`: "
                "%d whole matches on one board per row, in virtual time, the person playing "
                "first. Shares are the computer's wins, draws and losses; points are the "
                "computer's mean points at the end of a match (150 a pair, -25 a miss).\n\n",
                matches, matches);
    std::printf("| Level | Blocks | Person | Computer wins | Draws | Computer loses | "
                "Computer's mean points | Person's mean points |\n"
                "|---|---|---|---|---|---|---|---|\n");
    ComputerMatch match;
    std::uint32_t seed = 1;
    for (int level = 1; level <= qv::kLevelCount; ++level) {
        for (int blocks : {24, 16}) {
            for (Person person : {Person::Random, Person::Remembering}) {
                Tally tally;
                long long personPoints = 0;
                for (int n = 0; n < matches; ++n, ++seed) {
                    match.restart(seed % 9973, level, blocks);
                    const MatchOutcome out = qv::test::playToTheEnd(match, person, seed);
                    if (!out.cleared) {
                        ++tally.unfinished;
                        continue;
                    }
                    ++tally.matches;
                    tally.points += out.points2;
                    personPoints += out.points1;
                    if (out.points2 > out.points1)
                        ++tally.wins;
                    else if (out.points2 == out.points1)
                        ++tally.draws;
                    else
                        ++tally.losses;
                }
                if (tally.unfinished != 0) {
                    std::fprintf(stderr, "%d matches did not end\n", tally.unfinished);
                    return 1;
                }
                std::printf("| %s | %d | %s | %.1f %% | %.1f %% | %.1f %% | %.0f | %.0f |\n",
                            qv::computerLevel(level).caption, blocks,
                            person == Person::Random ? "at random" : "remembers all",
                            share(tally.wins, tally.matches), share(tally.draws, tally.matches),
                            share(tally.losses, tally.matches),
                            double(tally.points) / tally.matches,
                            double(personPoints) / tally.matches);
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
