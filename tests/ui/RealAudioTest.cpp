#include "match/Game.h"
#include "sound/QtToneService.h"
#include "sound/QtWavePlayer.h"
#include "sound/SoundEffects.h"
#include "sound/SteadyTicks.h"
#include "tests/fakes/TestPorts.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

// Plays through the game's real audio path into a private sound server whose
// silent output is recorded; scripts/test starts that server and names its
// output in QV_AUDIO_TEST_SINK. Anywhere else the test skips, so it never
// sounds on a person's speakers.

namespace qv::test {
namespace {

constexpr int kRate = 44100;

using Samples = std::vector<std::int16_t>;

/// Where a sound starts (in samples) and how long it is loud, counting the 5 ms
/// stretches louder than a tenth of the loudest: a quieter playback measures the
/// same, and a moment where a busy machine let the output run dry adds nothing.
struct Heard {
    std::size_t start;
    double loudMs;
};

std::optional<Heard> listen(const Samples& s, int rate) {
    const auto window = std::size_t(std::max(rate / 200, 1));
    std::vector<double> levels;
    for (std::size_t at = 0; at + window <= s.size(); at += window) {
        double sum = 0;
        for (std::size_t k = at; k < at + window; ++k)
            sum += double(s[k]) * s[k];
        levels.push_back(std::sqrt(sum / double(window)));
    }
    const double loudest = levels.empty() ? 0 : *std::max_element(levels.begin(), levels.end());
    const double threshold = std::max(300.0, loudest / 10);
    std::optional<std::size_t> first;
    int loud = 0;
    for (std::size_t w = 0; w < levels.size(); ++w) {
        if (levels[w] <= threshold)
            continue;
        if (!first)
            first = w * window;
        ++loud;
    }
    if (!first)
        return std::nullopt;
    return Heard{*first, loud * 1000.0 * double(window) / rate};
}

/// Fundamental frequency from the sign changes of a clean periodic wave.
double frequency(const Samples& s, std::size_t from, std::size_t to) {
    int crossings = 0;
    std::optional<std::size_t> firstCrossing;
    std::size_t lastCrossing = 0;
    bool high = s[from] > 0;
    for (std::size_t k = from; k < to; ++k) {
        // A little hysteresis so noise at a crossing is not counted twice.
        if ((high && s[k] < -1000) || (!high && s[k] > 1000)) {
            high = !high;
            if (!firstCrossing)
                firstCrossing = k;
            else
                ++crossings;
            lastCrossing = k;
        }
    }
    if (!firstCrossing || crossings < 2)
        return 0;
    return crossings / 2.0 / (double(lastCrossing - *firstCrossing) / kRate);
}

/// The 16-bit samples and the rate of a mono PCM wave file.
Samples waveSamples(const QString& file, int& rate) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = in.readAll();
    rate = int(qFromLittleEndian<quint32>(bytes.constData() + 24));
    Samples s(std::size_t(bytes.size() - 44) / 2);
    std::memcpy(s.data(), bytes.constData() + 44, s.size() * 2);
    return s;
}

class Recorder {
public:
    explicit Recorder(const QString& file) : m_file(file) {
        m_parec.setStandardOutputFile(file);
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--device=") + qEnvironmentVariable("QV_AUDIO_TEST_SINK") +
                           QStringLiteral(".monitor"),
                       QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                       QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
                       QStringLiteral("--latency-msec=20")});
    }
    /// True once parec has written `seconds` of sound; it needs a moment to
    /// connect, and a busy machine may make that moment long.
    bool recorded(double seconds) {
        const auto bytes = qint64(seconds * kRate * 2);
        for (int k = 0; k < 250 && QFileInfo(m_file).size() < bytes; ++k)
            QTest::qWait(20);
        return QFileInfo(m_file).size() >= bytes;
    }
    std::size_t samplesSoFar() const { return std::size_t(QFileInfo(m_file).size() / 2); }
    ~Recorder() {
        // An interrupt lets parec write out what it still holds; a termination loses it.
        // (Never with pid 0: that would interrupt the whole process group.)
        if (const qint64 pid = m_parec.processId(); pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGINT);
        m_parec.waitForFinished(3000);
    }

private:
    QString m_file;
    QProcess m_parec;
};

TEST(RealAudio, AWaveCueAndAMelodyReachTheSoundServerWithTheirLengthsAndPitches) {
    if (qEnvironmentVariable("QV_AUDIO_TEST_SINK").isEmpty())
        GTEST_SKIP() << "no private sound server (scripts/test starts one where it can)";
    TestPorts ports;
    const QString sounds = QStringLiteral(QV_SOUNDS_DIR);
    QFile::copy(sounds + "/Som1.acerto.wav",
                QString::fromStdString((ports.paths.programFolder() / "Som1.acerto.wav").string()));
    Game game(ports.ports());
    SteadyTicks ticks;
    QtToneService beepService;
    TBTBeeper SOM(ticks, &beepService);
    QtWavePlayer waves(ports.paths.programFolder());
    SoundEffects effects(game.view, game.state, ports.paths, ports.dialogs, waves, SOM);
    game.setSound(effects);
    game.FormActivate();

    std::size_t melodyAt = 0;
    const QString recording = QString::fromStdString((ports.paths.root() / "heard.raw").string());
    {
        Recorder recorder(recording);
        if (!recorder.recorded(0.2))
            GTEST_SKIP() << "parec records nothing from the private sound server";
        effects.SOUND_CERTO(); // the wave
        ASSERT_TRUE(recorder.recorded(1.2));
        effects.settings.SoundDevice = "A";
        melodyAt = recorder.samplesSoFar();
        effects.soundTempo(); // 300 Hz for 170 ms, then 500 Hz for 500 ms
        ASSERT_TRUE(recorder.recorded(double(melodyAt) / kRate + 1.2));
    }
    QFile in(recording);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray raw = in.readAll();
    Samples heard(std::size_t(raw.size()) / 2);
    std::memcpy(heard.data(), raw.constData(), heard.size() * 2);
    ASSERT_GT(heard.size(), std::size_t(kRate)) << "the recording is too short";

    // The wave: the sound before the melody was asked for.
    const auto wave =
        listen(Samples(heard.begin(), heard.begin() + std::ptrdiff_t(melodyAt)), kRate);
    ASSERT_TRUE(wave) << "the wave cue was not heard";
    int fileRate = 0;
    const Samples file = waveSamples(sounds + "/Som1.acerto.wav", fileRate);
    ASSERT_GT(fileRate, 0);
    const auto inFile = listen(file, fileRate);
    ASSERT_TRUE(inFile);
    // A cut end or a lost start costs 100 ms or more.
    EXPECT_NEAR(wave->loudMs, inFile->loudMs, 30) << "the wave was cut";

    const auto melody =
        listen(Samples(heard.begin() + std::ptrdiff_t(melodyAt), heard.end()), kRate);
    ASSERT_TRUE(melody) << "the melody was not heard";
    const std::size_t start = melodyAt + melody->start;
    EXPECT_NEAR(melody->loudMs, 670, 30);
    const auto ms = [](int n) {
        return std::size_t(kRate) * std::size_t(n) / 1000;
    };
    EXPECT_NEAR(frequency(heard, start + ms(20), start + ms(150)), 300, 6);
    EXPECT_NEAR(frequency(heard, start + ms(190), start + ms(650)), 500, 10);
}

} // namespace
} // namespace qv::test
