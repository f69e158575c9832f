#include "game/Game.h"

#include "match/WindowLayout.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace qv {

Game::Game(const Ports& p)
    : ports(p), timers(p.scheduler), settings(*this), deal(*this),
      reveal(state, view, timers, sound(), scoring, computer), scoring(state, view), clock(*this),
      matchEnd(*this), computer(state, view, timers, ports, sound(), reveal, gameDefinition),
      endDisplay(*this), penaltyNotice(state, view, ports.scheduler), gameDefinition(*this) {
}

void Game::setUp() {
    try {
        ensurePhotoFolder();
    } catch (const std::exception& error) {
        // Without the photo folder only the photo category is lost; the rest of the
        // window is still set up so the game can be played.
        ports.dialogs.showError(error.what());
    }
    state.BlockCount = 24;
    view.menu.time3min = true;
    state.MaxBoardPoints = 1800;
    state.FigureCategory = category::kFiguras1;

    screen = ports.screen.size();
    adaptToScreen(view, screen);

    for (int n = 1; n <= holders::kWinFrameCount; ++n)
        state.WinFrames[static_cast<std::size_t>(n)] = holders::winFrame(n);
    for (int n = 1; n <= holders::kLoseFrameCount; ++n)
        state.LoseFrames[static_cast<std::size_t>(n)] = holders::loseFrame(n);

    view[Role::ResultText].caption.clear();
    state.OpponentMode = PlayMode::Alone;
    state.PlayerCount = 1;
    view.setCoversEnabled(false);
}

void Game::onShown() {
    view.focus = Role::FocusHolder;
    view[Role::Banner].visible = true;
}

void Game::onActivated() {
    records().loadRecords();
    records().loadComputerRecords();
    sound().reloadSettings();
}

void Game::ensurePhotoFolder() {
    const std::filesystem::path folder = ports.paths.photoFolder();
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
        return;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder, error)) {
        throw std::runtime_error("O programa não pode criar a pasta " + folder.string() +
                                 ",ela é fundamental para usar opções personalizada desse "
                                 "jogo\n\nObs.: caso o programa não consiga criar a pasta, "
                                 "tente manualmente.");
    }
}

void Game::onToggleSound() {
    Control& box = view[Role::SoundSwitch];
    box.checked = !box.checked;
    view[Role::SoundCaption].color = box.checked ? colors::kRed : colors::kGray128;
}

} // namespace qv
