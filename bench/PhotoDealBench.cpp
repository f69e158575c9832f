// The player's twelve photos as a deal with the own-figures category reads them:
// 4000 x 3000 camera-sized JPEGs brought to a 132 x 132 face (66 x 66 at device
// pixel ratio 2). Cold decodes every file; warm finds them all in the cache; Qt's
// own loader and smooth scaling, one after another, is the yardstick. Each row's
// x_QImage counter is its time over the yardstick's. The files sit in the page
// cache, so "cold" means not yet decoded, not read from disk.
#include "figures/PhotoSet.h"
#include "tests/fakes/JpegSamples.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QString>

#include <algorithm>
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

template <typename Step> void measure(benchmark::State& state, Step step) {
    if (!samples().ok()) {
        state.SkipWithError("the sample photos could not be written");
        return;
    }
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        if (!step()) {
            state.SkipWithError("loading failed");
            return;
        }
        const double elapsed = seconds(start);
        state.SetIterationTime(elapsed);
        total += elapsed;
    }
    state.counters["x_QImage"] =
        total / static_cast<double>(state.iterations()) / yardstickSeconds();
    state.counters["file_MB"] = samples().averageMegabytes();
}

void PhotoDealColdLoad(benchmark::State& state) {
    qv::PhotoSet photos;
    measure(state, [&] {
        photos.clearCache();
        return photos.load(samples().folder(), kFace, kFace).ok();
    });
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
