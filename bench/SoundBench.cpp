// What sound costs the game: one cue request on the wave path against the
// match clock's 100 ms tick, and the processor share of a running match with
// sound on and nobody clicking, against the same match with "Som" unticked.
#include "app/MainWindow.h"
#include "bench/BenchApplication.h"
#include "platform/SystemClock.h"
#include "sound/LoadedAudio.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtPaths.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/QtScreen.h"
#include "sound/SoundEffects.h"
#include "sound/SteadyTicks.h"

#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sys/resource.h>

namespace {

constexpr double kTickSeconds = 0.1;

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + t.tv_usec / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

/// The main window with real ports and real sound, as the program makes it.
struct RealGame {
    qv::SystemClock clock;
    qv::QtScheduler scheduler;
    qv::StdRandomSource random;
    qv::QtDialogs dialogs;
    qv::QtScreen screen;
    qv::QtPaths paths;
    qv::Ports ports{clock, scheduler, random, dialogs, screen, paths};
    qv::MainWindow window{ports};
    qv::SteadyTicks ticks;
    qv::LoadedAudio audio{QStringLiteral(QV_AUDIO_MODULE_FILE),
                          std::filesystem::path(QV_PROGRAM).parent_path()};
    qv::TonePlayer tonePlayer{ticks, &audio};
    qv::SoundEffects sound{window.game().view, window.game().state, paths, dialogs, audio,
                           tonePlayer};

    RealGame() {
        audio.open();
        audio.waitUntilOpen();
        scheduler.setAfterEvent([this] { window.render(); });
        window.game().setSound(sound);
        window.initialize();
        window.game().onActivated();
    }
};

void WaveCueRequestAgainstTheClockTick(benchmark::State& state) {
    qv::bench::ensureApplication();
    RealGame game;
    if (game.sound.settings.SoundDevice != "P" || game.sound.settings.SoundOn[4] != 1) {
        state.SkipWithError("the sound settings are not the defaults");
        return;
    }
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        game.sound.firstClick();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        QCoreApplication::processEvents();
    }
    state.counters["share_of_tick"] = seconds / double(state.iterations()) / kTickSeconds;
}

/// Processor share of a 4 s stretch of a running match without clicks.
double matchShare(bool soundOn) {
    RealGame game;
    game.window.show();
    if (!soundOn)
        game.window.game().onToggleSound();
    game.window.game().deal.onPlay(); // JOGAR
    game.window.render();
    QCoreApplication::processEvents();
    const double before = processorSeconds();
    const auto start = std::chrono::steady_clock::now();
    QTimer::singleShot(4000, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return (processorSeconds() - before) / wall;
}

void IdleMatchWithSoundOn(benchmark::State& state) {
    qv::bench::ensureApplication();
    double on = 0;
    double off = 0;
    for (auto _ : state) {
        on = matchShare(true);
        off = matchShare(false);
        state.SetIterationTime(on);
    }
    state.counters["core_share_sound_on"] = on;
    state.counters["core_share_sound_off"] = off;
}

} // namespace

BENCHMARK(WaveCueRequestAgainstTheClockTick)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(IdleMatchWithSoundOn)->UseManualTime()->Iterations(1);
