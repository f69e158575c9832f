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
    /// Processor time, user and system: less swayed by a busy machine.
    double cpuSeconds = 0;
    double peakMegabytes = 0;
    bool ok = false;
};

Launch launch(const char* program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("QUORVANELLA_QUIT_WHEN_SHOWN", "1", 1);
        const std::string data = std::filesystem::temp_directory_path() / "quorvanella-bench";
        setenv("XDG_DATA_HOME", data.c_str(), 1);
        const std::string runtime =
            std::filesystem::temp_directory_path() / "quorvanella-bench-run";
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + t.tv_usec / 1e6;
    };
    return {std::chrono::duration<double>(end - start).count(),
            seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss / 1024.0,
            WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

// Each iteration launches the game and then the bare window, so the ratio of
// the two is measured under the same load.
void GameLaunchAgainstBareQtWindow(benchmark::State& state) {
    double peak = 0;
    double bareSeconds = 0;
    double gameSeconds = 0;
    double bareCpu = 0;
    double gameCpu = 0;
    for (auto _ : state) {
        const Launch game = launch(QV_PROGRAM);
        const Launch bare = launch(QV_BARE_WINDOW);
        if (!game.ok || !bare.ok) {
            state.SkipWithError("a program did not start and quit cleanly");
            return;
        }
        state.SetIterationTime(game.seconds);
        gameSeconds += game.seconds;
        bareSeconds += bare.seconds;
        gameCpu += game.cpuSeconds;
        bareCpu += bare.cpuSeconds;
        peak = std::max(peak, game.peakMegabytes);
    }
    state.counters["peak_MB"] = peak;
    state.counters["bare_ms"] = 1000 * bareSeconds / static_cast<double>(state.iterations());
    state.counters["x_bare"] = gameSeconds / bareSeconds;
    state.counters["x_bare_cpu"] = gameCpu / bareCpu;
}

} // namespace

BENCHMARK(GameLaunchAgainstBareQtWindow)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
