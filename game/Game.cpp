#include "game/Game.h"

#include "match/WindowLayout.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace qv {

Game::Game(const Ports& p)
    : ports(p), timers(p.scheduler), settings(state, view, timers, ports.dialogs, endDisplay),
      deal(state, view, timers, ports, screen, sound(), endDisplay, clock, photos),
      reveal(state, view, timers, sound(), scoring, computer), scoring(state, view),
      clock(state, view, timers, ports.clock, ports.dialogs, deal, matchEnd, computer, endDisplay),
      matchEnd(state, view, timers, sound(), records(), ports.dialogs, clock, endDisplay,
               penaltyNotice),
      computer(state, view, timers, ports, sound(), reveal, gameDefinition),
      endDisplay(state, view, timers, sound(), screen), penaltyNotice(state, view, ports.scheduler),
      gameDefinition(state, view, timers, ports.dialogs, sound(), settings, computer) {
}

void Game::setUp() {
    try {
        ensurePhotoFolder();
    } catch (const std::exception& error) {
        // Without the photo folder only the photo category is lost; the rest of the
        // window is still set up so the game can be played.
        ports.dialogs.showError(error.what());
    }
    screen = ports.screen.size();
    setUpMainWindow(state, view, screen);
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
