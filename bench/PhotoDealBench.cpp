// The player's twelve photos as a deal with the own-figures category reads them:
// 4000 x 3000 camera-sized JPEGs brought to a 132 x 132 face (66 x 66 at device
// pixel ratio 2). Cold decodes every file; warm finds them all in the cache; Qt's
// own loader and smooth scaling, one after another, is the yardstick. Each row's
// x_QImage counter is its time over the yardstick's; the cold row's x_entropy is
// its time over libjpeg only entropy-decoding the same files on as many threads,
// the floor no decoder avoids. The deal at JOGAR one second after choosing the
// own photos is timed whole; the preview of one photo is set against Qt's reader.
// The files sit in the page cache, so "cold" means not yet decoded, not read from
// disk.
#include "bench/BenchPorts.h"
#include "figures/CategoryChoice.h"
#include "figures/PhotoManager.h"
#include "game/Game.h"
#include "platform/PhotoSet.h"
#include "tests/fakes/JpegSamples.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>
#include <jpeglib.h>
#include <thread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;
constexpr int kFace = 132;

// Written once per run, removed at exit.
class Samples {
public:
    Samples()
        : m_folder(fs::temp_directory_path() /
                   ("quorvanella-photo-bench-" + std::to_string(::getpid())) / "QVanel") {
        fs::create_directories(m_folder);
        std::size_t bytes = 0;
        for (int i = 1; i <= qv::PhotoSet::kCount; ++i) {
            const auto jpeg =
                qv::test::encodeJpeg(qv::test::photoLikeImage(kPhotoWidth, kPhotoHeight, i),
                                     qv::test::JpegKind::Rgb, 92);
            m_ok = m_ok && !jpeg.empty() &&
                   qv::test::writeBytes(m_folder / qv::PhotoSet::fileName(i), jpeg);
            bytes += jpeg.size();
        }
        m_averageMegabytes = bytes / 1e6 / qv::PhotoSet::kCount;
    }
    ~Samples() {
        std::error_code ignored;
        fs::remove_all(m_folder.parent_path(), ignored);
    }
    Samples(const Samples&) = delete;
    Samples& operator=(const Samples&) = delete;

    const fs::path& folder() const { return m_folder; }
    bool ok() const { return m_ok; }
    double averageMegabytes() const { return m_averageMegabytes; }

private:
    fs::path m_folder;
    bool m_ok = true;
    double m_averageMegabytes = 0;
};

const Samples& samples() {
    static const Samples instance;
    return instance;
}

bool loadWithQImage(const fs::path& folder) {
    bool ok = true;
    for (int i = 1; i <= qv::PhotoSet::kCount; ++i) {
        QImage image;
        ok =
            image.load(QString::fromStdString((folder / qv::PhotoSet::fileName(i)).string())) && ok;
        image = image.scaled(kFace, kFace, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(image.constBits());
    }
    return ok;
}

double seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Best of three, so a row run alone still gets its ratio.
double yardstickSeconds() {
    static const double best = [] {
        double fastest = 1e9;
        for (int run = 0; run < 3; ++run) {
            const auto start = Clock::now();
            loadWithQImage(samples().folder());
            fastest = std::min(fastest, seconds(start));
        }
        return fastest;
    }();
    return best;
}

// Returns the mean time of one step, 0 when none ran.
template <typename Step> double measure(benchmark::State& state, Step step) {
    if (!samples().ok()) {
        state.SkipWithError("the sample photos could not be written");
        return 0;
    }
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        if (!step()) {
            state.SkipWithError("loading failed");
            return 0;
        }
        const double elapsed = seconds(start);
        state.SetIterationTime(elapsed);
        total += elapsed;
    }
    const double mean = total / static_cast<double>(state.iterations());
    state.counters["x_QImage"] = mean / yardstickSeconds();
    state.counters["file_MB"] = samples().averageMegabytes();
    return mean;
}

// Reads every coefficient of the file and nothing more: no inverse transform,
// no colour conversion, no scaling. Sample files are valid, so libjpeg's own
// error handling is enough.
void entropyDecode(const fs::path& file) {
    std::FILE* input = std::fopen(file.c_str(), "rb");
    if (!input)
        return;
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, input);
    jpeg_read_header(&cinfo, TRUE);
    benchmark::DoNotOptimize(jpeg_read_coefficients(&cinfo));
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(input);
}

// The twelve files shared out over as many threads as the photo set uses.
double entropySeconds() {
    static const double best = [] {
        double fastest = 1e9;
        for (int run = 0; run < 3; ++run) {
            const auto start = Clock::now();
            std::atomic<int> next{1};
            const auto work = [&] {
                for (int i = next++; i <= qv::PhotoSet::kCount; i = next++)
                    entropyDecode(samples().folder() / qv::PhotoSet::fileName(i));
            };
            const unsigned threads =
                std::min<unsigned>(std::max(1u, std::thread::hardware_concurrency()), 12);
            std::vector<std::thread> helpers;
            for (unsigned t = 1; t < threads; ++t)
                helpers.emplace_back(work);
            work();
            for (std::thread& helper : helpers)
                helper.join();
            fastest = std::min(fastest, seconds(start));
        }
        return fastest;
    }();
    return best;
}

void PhotoDealColdLoad(benchmark::State& state) {
    qv::PhotoSet photos;
    measure(state, [&] {
        photos.clearCache();
        return photos.load(samples().folder(), kFace, kFace).ok();
    });
    state.counters["x_entropy"] =
        state.counters["x_QImage"] * yardstickSeconds() / entropySeconds();
}

// The person chooses "Minhas Figuras", and a second later presses JOGAR.
void PhotoDealOneSecondAfterChoosing(benchmark::State& state) {
    if (!samples().ok()) {
        state.SkipWithError("the sample photos could not be written");
        return;
    }
    qv::bench::BenchPorts bench(samples().folder());
    qv::Game game(bench.ports());
    game.setUp();
    for (auto _ : state) {
        game.photos.loader.clearCache();
        game.timers.matchTick.stop();
        game.state.FigureCategory = "Figuras1";
        qv::chooseCategory(game.state, game.sound(), game.deal, "Personaliz");
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const auto start = Clock::now();
        game.deal.onPlay();
        state.SetIterationTime(seconds(start));
        game.deal.restoreFaces(); // the clock's first tick
        game.photos.loader.waitForPreload();
        if (game.state.FigureCategory != "Personaliz") {
            state.SkipWithError("the deal did not take the photos");
            return;
        }
    }
    state.counters["decodes_per_deal"] = static_cast<double>(game.photos.loader.stats().decodes) /
                                         static_cast<double>(state.iterations());
}

// The large preview of the manager, against Qt's reader showing the same file.
void PhotoPreview(benchmark::State& state) {
    const fs::path file = samples().folder() / qv::PhotoSet::fileName(1);
    const auto qtSeconds = [&] {
        double fastest = 1e9;
        for (int run = 0; run < 3; ++run) {
            const auto start = Clock::now();
            QImageReader reader(QString::fromStdString(file.string()));
            const QImage image = reader.read().scaled(
                qv::PhotoManager::kPreviewWidth, qv::PhotoManager::kPreviewHeight,
                Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            benchmark::DoNotOptimize(image.constBits());
            fastest = std::min(fastest, seconds(start));
        }
        return fastest;
    }();
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const qv::DecodeResult preview = qv::decodeJpegFile(
            file, {qv::PhotoManager::kPreviewWidth, qv::PhotoManager::kPreviewHeight});
        const double elapsed = seconds(start);
        if (!preview.ok()) {
            state.SkipWithError("the preview failed");
            return;
        }
        state.SetIterationTime(elapsed);
        total += elapsed;
    }
    state.counters["x_QtReader"] = total / static_cast<double>(state.iterations()) / qtSeconds;
}

void PhotoDealWarmLoad(benchmark::State& state) {
    qv::PhotoSet photos;
    if (!photos.load(samples().folder(), kFace, kFace).ok()) {
        state.SkipWithError("the sample photos could not be loaded");
        return;
    }
    measure(state, [&] { return photos.load(samples().folder(), kFace, kFace).ok(); });
    state.counters["decodes"] = static_cast<double>(photos.stats().decodes);
}

void PhotoDealQImageLoad(benchmark::State& state) {
    measure(state, [] { return loadWithQImage(samples().folder()); });
}

} // namespace

BENCHMARK(PhotoDealColdLoad)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(PhotoDealWarmLoad)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(PhotoDealQImageLoad)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(PhotoDealOneSecondAfterChoosing)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(PhotoPreview)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
