#include "tests/fakes/MatchDriver.h"

#include <map>

namespace qv::test {

MatchDriver::MatchDriver(ScreenSize screen) {
    ports.screen.value = screen;
    ports.random.seed(7);
    // The penalty notice is confirmed at once and counts down in virtual time.
    ports.dialogs.onWindow(ModalWindow::PenaltyNotice, [this] {
        game.penaltyNotice.FormShow();
        game.penaltyNotice.Button1Click();
        for (int step = 0; step < 1000 && !game.penaltyNotice.closed(); ++step)
            wait(75);
    });
    game.FormCreate();
    game.FormShow();
}

void MatchDriver::start() {
    game.deal.onPlay();
    wait(100);
}

void MatchDriver::turn(int position) {
    game.reveal.onBlockClick(position);
    wait(60);
}

std::vector<std::pair<int, int>> pairsOnBoard(const Game& game) {
    std::map<int, std::vector<int>> byFigure;
    for (int k = 1; k <= game.state.BlockCount; ++k) {
        if (game.view.face(k).visible)
            byFigure[game.state.SlotFigure[static_cast<std::size_t>(k)].holder].push_back(k);
    }
    std::vector<std::pair<int, int>> result;
    for (const auto& [figure, positions] : byFigure) {
        if (positions.size() == 2)
            result.emplace_back(positions[0], positions[1]);
    }
    return result;
}

std::vector<std::pair<int, int>> MatchDriver::pairs() const {
    return pairsOnBoard(game);
}

std::pair<int, int> MatchDriver::miss() const {
    const auto all = pairs();
    return {all.at(0).first, all.at(1).first};
}

void MatchDriver::findPair(std::pair<int, int> pair) {
    turn(pair.first);
    turn(pair.second);
    wait(30 * 13);
}

void MatchDriver::missOnce() {
    const auto [a, b] = miss();
    turn(a);
    turn(b);
    wait(30 * 20);
}

} // namespace qv::test
