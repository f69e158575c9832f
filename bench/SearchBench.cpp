// The photo manager's search for JPEG files over a generated tree of 200,000
// files, 170,000 of them photos, against `find` with the same depth limit and
// name pattern on the same tree. The search runs in the manager's window as a
// person starts it, from the button to the last entry shown in its list;
// x_find is that time over find's, max_turn_gap_ms the longest the window went
// without handling input.
#include "bench/BenchApplication.h"
#include "bench/BenchPorts.h"
#include "figures/Tform_perso.h"
#include "match/Game.h"
#include "platform/qt/QtScheduler.h"

#include <QListWidget>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// 10 x 10 x 10 folders, 200 files in each of the deepest: 170 of them JPEG.
class Tree {
public:
    Tree()
        : m_root(fs::temp_directory_path() /
                 ("quorvanella-search-bench-" + std::to_string(::getpid()))) {
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b)
                for (int c = 0; c < 10; ++c) {
                    const fs::path folder = m_root / ("pasta" + std::to_string(a)) /
                                            ("sub" + std::to_string(b)) /
                                            ("album" + std::to_string(c));
                    fs::create_directories(folder);
                    for (int f = 0; f < 200; ++f) {
                        const char* ending = f < 170 ? ".JPG" : f % 2 == 0 ? ".txt" : ".png";
                        std::ofstream(folder / ("IMG_" + std::to_string(f) + ending));
                    }
                }
    }
    ~Tree() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    Tree(const Tree&) = delete;
    Tree& operator=(const Tree&) = delete;
    const fs::path& root() const { return m_root; }

private:
    fs::path m_root;
};

const Tree& tree() {
    static const Tree instance;
    return instance;
}

double seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

double findSeconds() {
    static const double best = [] {
        const std::string command = "find '" + tree().root().string() +
                                    "' -maxdepth 5 -type d -name '.*' -prune -o \\( -iname "
                                    "'*.jpg' -o -iname '*.jpeg' \\) -print > /dev/null";
        double fastest = 1e9;
        for (int run = 0; run < 3; ++run) {
            const auto start = Clock::now();
            if (std::system(command.c_str()) != 0)
                return 0.0;
            fastest = std::min(fastest, seconds(start));
        }
        return fastest;
    }();
    return best;
}

void SearchInTheWindow(benchmark::State& state) {
    qv::bench::ensureApplication();
    qv::bench::BenchPorts bench(tree().root());
    qv::QtScheduler events;
    qv::bench::TurnRecorder& turns = bench.scheduler;
    turns.inner = &events;
    qv::Game game(bench.ports());
    double total = 0;
    int shown = 0;
    for (auto _ : state) {
        qv::Tform_perso window(game, nullptr);
        window.manager().ComboDriveChange(tree().root());
        window.render();
        const auto start = Clock::now();
        turns.last = start;
        window.Button1->click(); // returns once the list shows every entry found
        const double elapsed = seconds(start);
        turns.waitProcessingEvents(0); // the gap up to the end
        state.SetIterationTime(elapsed);
        total += elapsed;
        shown = window.fileList->count();
    }
    state.counters["x_find"] = total / static_cast<double>(state.iterations()) / findSeconds();
    state.counters["max_turn_gap_ms"] = turns.longestMs;
    state.counters["shown"] = shown;
}

} // namespace

BENCHMARK(SearchInTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
