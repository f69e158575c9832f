// Synthesises the game's 17 wave files: short, soft sounds, one family per game
// event, each variant with its own character. Deterministic: the same program
// writes the same bytes.
//
//   makesounds ASSETS_FOLDER   writes ASSETS_FOLDER/sounds/<name>.wav

#include "synth.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace makesounds;

// Equal-tempered pitch of a MIDI note number.
double midi(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

const Timbre kBell{{1.0, 0.0, 0.35, 0.0, 0.12}, 0.004, 5.0};
const Timbre kMarimba{{1.0, 0.0, 0.0, 0.25}, 0.002, 9.0};
const Timbre kSoftSquare{{1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14}, 0.01, 2.0};
const Timbre kBrass{{1.0, 0.6, 0.45, 0.3, 0.2, 0.12}, 0.03, 1.2};
const Timbre kFlute{{1.0, 0.15, 0.05}, 0.03, 1.5};

Wave click1() { // dry wooden tick
    Wave w(0.07);
    w.note(1900, 0.0, 0.05, {{1.0, 0.0, 0.0, 0.0, 0.3}, 0.001, 60.0});
    w.noiseBurst(0.0, 0.012, 0.25);
    return w;
}

Wave click2() { // round bubble pop, gliding up
    Wave w(0.09);
    w.glide(500, 1300, 0.0, 0.08, {{1.0}, 0.002, 30.0});
    return w;
}

Wave acerto1() { // two-note chime, up a fifth
    Wave w(0.55);
    w.note(midi(84), 0.0, 0.5, kBell);
    w.note(midi(91), 0.11, 0.44, kBell);
    return w;
}

Wave acerto2() { // quick pentatonic sparkle
    Wave w(0.5);
    const int notes[] = {81, 84, 86, 88, 93};
    for (int k = 0; k < 5; ++k)
        w.note(midi(notes[k]), 0.06 * k, 0.2, kMarimba);
    return w;
}

Wave acerto3() { // bright major chord, struck once
    Wave w(0.7);
    for (int note : {72, 76, 79, 84})
        w.note(midi(note), 0.0, 0.68, kBell, 0.55);
    return w;
}

Wave erro1() { // two low notes, falling
    Wave w(0.4);
    w.note(midi(52), 0.0, 0.17, kSoftSquare);
    w.note(midi(47), 0.17, 0.22, kSoftSquare);
    return w;
}

Wave erro2() { // hollow bonk
    Wave w(0.3);
    w.glide(260, 110, 0.0, 0.28, {{1.0, 0.0, 0.2}, 0.002, 10.0});
    return w;
}

Wave erro3() { // wobbling slide down
    Wave w(0.5);
    w.glide(420, 200, 0.0, 0.48, {{1.0, 0.5, 0.3, 0.2}, 0.01, 2.5}, 1.0, 11.0);
    return w;
}

Wave opcao1() { // soft blip
    Wave w(0.1);
    w.note(midi(81), 0.0, 0.09, {{1.0, 0.1}, 0.003, 25.0});
    return w;
}

Wave opcao2() { // two-step blip, up a fifth
    Wave w(0.14);
    w.note(midi(76), 0.0, 0.06, {{1.0, 0.1}, 0.003, 30.0});
    w.note(midi(83), 0.055, 0.08, {{1.0, 0.1}, 0.003, 25.0});
    return w;
}

Wave vitoria1() { // bell arpeggio up to a held octave
    Wave w(1.3);
    const int notes[] = {72, 76, 79};
    for (int k = 0; k < 3; ++k)
        w.note(midi(notes[k]), 0.13 * k, 0.4, kBell);
    w.note(midi(84), 0.39, 0.9, kBell);
    w.note(midi(88), 0.39, 0.9, kBell, 0.5);
    return w;
}

Wave vitoria2() { // marimba run and a rolled chord
    Wave w(1.2);
    const int run[] = {67, 69, 71, 72, 74, 76, 77, 79};
    for (int k = 0; k < 8; ++k)
        w.note(midi(run[k]), 0.07 * k, 0.25, kMarimba);
    for (int k = 0; k < 4; ++k)
        w.note(midi(std::array{72, 76, 79, 84}[static_cast<std::size_t>(k)]), 0.6 + 0.03 * k, 0.6,
               kMarimba);
    return w;
}

Wave vitoria3() { // brass "ta-da-daa"
    Wave w(1.4);
    w.note(midi(67), 0.0, 0.14, kBrass);
    w.note(midi(67), 0.16, 0.14, kBrass);
    w.note(midi(72), 0.32, 1.0, kBrass);
    w.note(midi(76), 0.32, 1.0, kBrass, 0.6);
    return w;
}

Wave derrota1() { // sad trombone: three steps down and a long sagging note
    Wave w(1.7);
    const int notes[] = {58, 57, 56};
    for (int k = 0; k < 3; ++k)
        w.note(midi(notes[k]), 0.38 * k, 0.34, kBrass);
    w.glide(midi(55), midi(54), 1.14, 0.55, kBrass, 1.0, 6.0);
    return w;
}

Wave derrota2() { // slow minor arpeggio falling
    Wave w(1.5);
    const int notes[] = {69, 64, 60, 57};
    for (int k = 0; k < 4; ++k)
        w.note(midi(notes[k]), 0.3 * k, 0.55, kFlute);
    return w;
}

Wave termino1() { // alarm: three double beeps
    Wave w(0.95);
    for (int k = 0; k < 3; ++k) {
        w.note(1050, 0.3 * k, 0.09, kSoftSquare, 0.8);
        w.note(1050, 0.3 * k + 0.12, 0.09, kSoftSquare, 0.8);
    }
    return w;
}

Wave termino2() { // low gong
    Wave w(1.4);
    w.note(130, 0.0, 1.38, {{1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0}, 0.005, 2.2});
    w.note(130 * 2.76, 0.0, 1.0, {{1.0}, 0.005, 3.5}, 0.35);
    w.note(130 * 5.40, 0.0, 0.6, {{1.0}, 0.005, 6.0}, 0.2);
    return w;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ASSETS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "sounds";
    std::filesystem::create_directories(folder);
    const std::vector<std::pair<const char*, std::function<Wave()>>> sounds{
        {"Som1.click", click1},     {"Som2.click", click2},     {"Som1.acerto", acerto1},
        {"Som2.acerto", acerto2},   {"Som3.acerto", acerto3},   {"Som1.Erro", erro1},
        {"Som2.Erro", erro2},       {"Som3.Erro", erro3},       {"Som1.opcao", opcao1},
        {"Som2.Opcao", opcao2},     {"Som1.Vitoria", vitoria1}, {"Som2.Vitoria", vitoria2},
        {"Som3.Vitoria", vitoria3}, {"Som1.Derrota", derrota1}, {"Som2.Derrota", derrota2},
        {"Som1.termino", termino1}, {"Som2.termino", termino2},
    };
    for (const auto& [name, make] : sounds) {
        Wave wave = make();
        wave.normalise();
        // A player may stop its output once the last bytes are handed over, dropping
        // what is still buffered (Qt 6.4's sound effects do): the end is silence.
        wave.padEnd(0.25);
        if (!wave.save(folder / (std::string(name) + ".wav"))) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}
