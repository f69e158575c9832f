// Start-up of the game to its first shown window, offscreen, against a bare Qt
// window started the same way; peak memory of each launch as a counter.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Launch {
    double seconds = 0;
    double peakMegabytes = 0;
    bool ok = false;
};

Launch launch(const char* program, const char* argument) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("QUORVANELLA_QUIT_WHEN_SHOWN", "1", 1);
        const std::string data = std::filesystem::temp_directory_path() / "quorvanella-bench";
        setenv("XDG_DATA_HOME", data.c_str(), 1);
        execl(program, program, argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss / 1024.0,
            WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

void run(benchmark::State& state, const char* program, const char* argument) {
    double peak = 0;
    for (auto _ : state) {
        const Launch result = launch(program, argument);
        if (!result.ok) {
            state.SkipWithError("the program did not start and quit cleanly");
            return;
        }
        state.SetIterationTime(result.seconds);
        peak = std::max(peak, result.peakMegabytes);
    }
    state.counters["peak_MB"] = peak;
}

void GameLaunchToShownWindow(benchmark::State& state) {
    run(state, QV_PROGRAM, nullptr);
}
void BareQtWindowLaunch(benchmark::State& state) {
    run(state, QV_BARE_WINDOW, nullptr);
}

} // namespace

BENCHMARK(GameLaunchToShownWindow)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BareQtWindowLaunch)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
