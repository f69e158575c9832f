#include "tests/fakes/VersusComputer.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace qv::test {

namespace {

constexpr int kStep = 10;

/// Tallies every openly turned second block by the side that turned it: the
/// points each side must have, counted apart from the scoring.
class TallyCues final : public SoundCues {
public:
    explicit TallyCues(const MatchState& state) : m_state(state) {}
    int pairs[2] = {0, 0};
    int misses[2] = {0, 0};
    std::set<int> paired;
    int points(int side) const { return 150 * pairs[side] - 25 * misses[side]; }

    void secondClick() override {
        const int side = m_state.SecondTurn == 1 ? 1 : 0;
        const bool pair = m_state.FirstFigure == m_state.SecondFigure;
        (pair ? pairs : misses)[side] += 1;
        if (pair) {
            paired.insert(m_state.FirstCover);
            paired.insert(m_state.SecondCover);
        }
    }
    void firstClick() override {}
    void pairFound() override {}
    void pairMissed() override {}
    void victory() override {}
    void defeat() override {}
    void timeUp() override {}
    void optionChosen() override {}
    void stopWave() override {}

private:
    const MatchState& m_state;
};

class ScriptedPerson {
public:
    ScriptedPerson(ComputerMatch& match, Person kind, std::uint32_t seed)
        : m_match(match), m_kind(kind), m_random(seed) {}

    /// Remembers every block that shows its face.
    void look() {
        const Game& game = m_match.d.game;
        for (int k = 1; k <= m_match.s.BlockCount; ++k) {
            if (!game.view.face(k).visible)
                m_memory.erase(k);
            else if (!game.view.cover(k).visible)
                m_memory[k] = m_match.s.SlotFigure[std::size_t(k)].holder;
        }
    }

    /// The next click of a try, if it is the person's turn to make one.
    void act() {
        MatchState& s = m_match.s;
        if (s.SecondTurn != 0 || s.ComputerMoving != 0 || !m_match.d.game.view.form.enabled ||
            !s.ClickArmed || s.ClickCount > 1)
            return;
        const int position = s.ClickCount == 0 ? pickFirst() : pickSecond(s.FirstCover);
        if (position != 0)
            m_match.d.game.reveal.onCoverClick(position);
    }

private:
    std::vector<int> closed(int except) const {
        std::vector<int> result;
        for (int k = 1; k <= m_match.s.BlockCount; ++k) {
            if (k != except && m_match.closedOnBoard(k))
                result.push_back(k);
        }
        return result;
    }
    int any(const std::vector<int>& from) {
        if (from.empty())
            return 0;
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(m_random)];
    }
    int unknownOrAny(int except) {
        const std::vector<int> all = closed(except);
        std::vector<int> unknown;
        std::copy_if(all.begin(), all.end(), std::back_inserter(unknown),
                     [this](int k) { return !m_memory.count(k); });
        return any(unknown.empty() ? all : unknown);
    }
    int knownPartner(int position) const {
        const auto mine = m_memory.find(position);
        for (const auto& [k, figure] : m_memory) {
            if (k != position && mine != m_memory.end() && figure == mine->second &&
                m_match.closedOnBoard(k))
                return k;
        }
        return 0;
    }
    int pickFirst() {
        if (m_kind == Person::Random)
            return any(closed(0));
        for (const auto& [k, figure] : m_memory) {
            if (m_match.closedOnBoard(k) && knownPartner(k) != 0)
                return k;
        }
        return unknownOrAny(0);
    }
    int pickSecond(int first) {
        if (m_kind == Person::Random)
            return any(closed(first));
        look();
        const int partner = knownPartner(first);
        return partner != 0 ? partner : unknownOrAny(first);
    }

    ComputerMatch& m_match;
    Person m_kind;
    std::mt19937 m_random;
    std::map<int, int> m_memory; ///< position -> figure seen there
};

} // namespace

MatchOutcome playToTheEnd(ComputerMatch& match, Person kind, std::uint32_t personSeed,
                          std::int64_t limitMilliseconds) {
    Game& game = match.d.game;
    MatchState& s = match.s;
    VirtualScheduler& scheduler = match.d.ports.scheduler;
    TallyCues tally(s);
    game.setSound(tally);
    ScriptedPerson person(match, kind, personSeed);
    MatchOutcome outcome;
    std::int64_t turnBegan = -1;

    // Watches on its own timer, so it also sees the board inside the computer's pauses.
    Timer watch(scheduler, "watch");
    watch.setHandler([&] {
        person.look();
        outcome.mostOpen = std::max(outcome.mostOpen, match.openBlocks());
        if (game.timers.matchTick.running() &&
            (s.Score1 != tally.points(0) || s.Score2 != tally.points(1)))
            outcome.pointsHeld = false;
        const bool computersTurn = s.SecondTurn == 1 || !game.view.form.enabled;
        if (computersTurn && turnBegan < 0)
            turnBegan = scheduler.now();
        if (!computersTurn && turnBegan >= 0) {
            outcome.longestTurn = std::max(outcome.longestTurn, scheduler.now() - turnBegan);
            turnBegan = -1;
        }
    });
    watch.setInterval(kStep);

    const std::int64_t end = scheduler.now() + limitMilliseconds;
    while (game.timers.matchTick.running() && scheduler.now() < end) {
        person.act();
        scheduler.advance(kStep);
    }
    outcome.cleared = !game.timers.matchTick.running() && s.BoardPoints == s.MaxBoardPoints;
    outcome.points1 = tally.points(0);
    outcome.points2 = tally.points(1);
    outcome.pairs1 = tally.pairs[0];
    outcome.pairs2 = tally.pairs[1];
    outcome.pairedPositions = int(tally.paired.size());
    for (int k = 1; k <= s.BlockCount; ++k)
        outcome.facesLeft += game.view.face(k).visible ? 1 : 0;
    game.setSound(match.cues);
    return outcome;
}

} // namespace qv::test
