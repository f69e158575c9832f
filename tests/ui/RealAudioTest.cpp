#include "game/Game.h"
#include "sound/LoadedAudio.h"
#include "sound/SoundEffects.h"
#include "sound/SteadyTicks.h"
#include "sound/WaveFile.h"
#include "tests/fakes/SoundCueTable.h"
#include "tests/fakes/TestPorts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <fftw3.h>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>
#include <unistd.h>
#include <vector>

// Plays through the game's real audio path into a private sound server whose
// silent output is recorded; scripts/test starts that server and names its
// output in QV_AUDIO_TEST_SINK for the normal build. Anywhere else the tests
// skip, so they never sound on a person's speakers.

namespace qv::test {
namespace {

using Clock = std::chrono::steady_clock;
using Samples = std::vector<std::int16_t>;
constexpr int kRate = 44100;

/// How late a sound may start: 30 ms, plus the 10 ms by which the recording
/// itself may lag the clock (it is read from what parec has written so far).
constexpr double kLateMs = 40;

std::ptrdiff_t samplesIn(double ms) {
    return std::ptrdiff_t(ms * kRate / 1000);
}
double msOf(std::ptrdiff_t samples) {
    return double(samples) * 1000 / kRate;
}

/// Records a sink's monitor with parec, and tells where a moment of the steady
/// clock lies in the recording: the recording's length when parec has just
/// written is the least-lagging measure of "now", so the least lag seen wins.
class Recorder {
public:
    Recorder(const QString& file, const QString& server, const QString& sink) : m_file(file) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PULSE_SERVER"), server);
        m_parec.setProcessEnvironment(environment);
        m_parec.setStandardOutputFile(file);
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--device=") + sink + QStringLiteral(".monitor"),
                       QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                       QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
                       QStringLiteral("--latency-msec=30")});
    }
    ~Recorder() { finish(); }

    /// True once parec has written a fifth of a second; it needs a moment to
    /// connect, and a busy machine may make that moment long.
    bool started() {
        for (int k = 0; k < 500 && size() < samplesIn(200); ++k)
            waitFor(std::chrono::milliseconds(10));
        // parec may hand over a burst of what the server held as it connects:
        // the clock is read only from the steady stream that follows.
        waitFor(std::chrono::milliseconds(100));
        m_offset = -samplesIn(60'000);
        waitFor(std::chrono::milliseconds(100));
        return size() >= samplesIn(200);
    }
    /// Waits as the game's event loop would, handling events meanwhile.
    void waitUntil(Clock::time_point when) {
        while (Clock::now() < when) {
            QCoreApplication::processEvents();
            poll();
            std::this_thread::sleep_for(
                std::min<Clock::duration>(std::chrono::milliseconds(1), when - Clock::now()));
        }
        poll();
    }
    void waitFor(Clock::duration span) { waitUntil(Clock::now() + span); }
    std::ptrdiff_t position(Clock::time_point moment) const {
        return sinceStart(moment) + m_offset;
    }
    Samples finish() {
        // An interrupt lets parec write out what it still holds; a termination loses it.
        // (Never with pid 0: that would interrupt the whole process group.)
        if (const qint64 pid = m_parec.processId(); pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGINT);
        m_parec.waitForFinished(3000);
        QFile in(m_file);
        if (!in.open(QIODevice::ReadOnly))
            return {};
        const QByteArray raw = in.readAll();
        Samples heard(std::size_t(raw.size()) / 2);
        std::memcpy(heard.data(), raw.constData(), heard.size() * 2);
        return heard;
    }

private:
    std::ptrdiff_t size() const { return std::ptrdiff_t(QFileInfo(m_file).size() / 2); }
    std::ptrdiff_t sinceStart(Clock::time_point moment) const {
        return std::ptrdiff_t(std::chrono::duration<double>(moment - m_start).count() * kRate);
    }
    void poll() { m_offset = std::max(m_offset, size() - sinceStart(Clock::now())); }

    QString m_file;
    QProcess m_parec;
    Clock::time_point m_start = Clock::now();
    std::ptrdiff_t m_offset = -samplesIn(60'000);
};

/// A sound server of a test's own, which it may kill and start again.
class SoundServer {
public:
    explicit SoundServer(const std::filesystem::path& folder)
        : m_folder(QString::fromStdString(folder.string())) {
        QDir().mkpath(m_folder);
    }
    ~SoundServer() { kill(); }
    QString address() const { return QStringLiteral("unix:") + m_folder + "/native"; }

    bool start() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_folder);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder);
        m_server.setProcessEnvironment(environment);
        m_server.setStandardOutputFile(QProcess::nullDevice());
        m_server.setStandardErrorFile(QProcess::nullDevice());
        m_server.start(
            QStringLiteral("pulseaudio"),
            {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
             "--use-pid-file=no", "-L", "module-null-sink sink_name=qvback", "-L",
             "module-native-protocol-unix socket=" + m_folder + "/native auth-anonymous=1"});
        for (int k = 0; k < 100; ++k) {
            QProcess info;
            QProcessEnvironment client = QProcessEnvironment::systemEnvironment();
            client.insert(QStringLiteral("PULSE_SERVER"), address());
            info.setProcessEnvironment(client);
            info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
            if (info.waitForFinished(3000) && info.exitCode() == 0)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    /// As a crash or a pulled plug: no goodbye to the clients.
    void kill() {
        if (const qint64 pid = m_server.processId(); pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        m_server.waitForFinished(3000);
    }

private:
    QString m_folder;
    QProcess m_server;
};

/// What the program writes on stderr while it lives, kept in a file.
class StderrCapture {
public:
    explicit StderrCapture(std::filesystem::path file) : m_file(std::move(file)) {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        std::freopen(m_file.c_str(), "w", stderr);
    }
    ~StderrCapture() { restore(); }
    /// Restores stderr and returns what was written meanwhile.
    QByteArray said() {
        restore();
        QFile file(QString::fromStdString(m_file.string()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    void restore() {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }
    std::filesystem::path m_file;
    int m_saved = -1;
};

/// The game with its real audio output, the waves beside the program, and the
/// default settings read at activation.
struct AudioRig {
    TestPorts ports;
    Game game{ports.ports()};
    SteadyTicks ticks;
    std::unique_ptr<LoadedAudio> audio;
    std::unique_ptr<TonePlayer> tonePlayer;
    std::unique_ptr<SoundEffects> effects;

    AudioRig() {
        std::filesystem::create_directories(ports.paths.programFolder());
        for (const auto& entry : std::filesystem::directory_iterator(QV_SOUNDS_DIR))
            std::filesystem::copy(entry.path(),
                                  ports.paths.programFolder() / entry.path().filename());
        audio = std::make_unique<LoadedAudio>(QStringLiteral(QV_AUDIO_MODULE_FILE),
                                              ports.paths.programFolder());
        tonePlayer = std::make_unique<TonePlayer>(ticks, audio.get());
        effects = std::make_unique<SoundEffects>(game.view, game.state, ports.paths, ports.dialogs,
                                                 *audio, *tonePlayer);
        game.setSound(*effects);
        game.onActivated();
        audio->open(); // as once the main window shows
    }
    ~AudioRig() { effects.reset(); }

    void request(const Cue& cue) { (effects.get()->*cue.play)(); }
    std::filesystem::path wave(const Cue& cue) const {
        return ports.paths.programFolder() / (effects->settings.name(cue.event) + ".wav");
    }
    QString recording(const char* name) const {
        return QString::fromStdString((ports.paths.root() / name).string());
    }
};

const Cue& cueNamed(std::string_view routine) {
    return *std::find_if(kCues.begin(), kCues.end(),
                         [&](const Cue& cue) { return cue.routine == routine; });
}

/// A wave file as the output plays it: mono, at the recording's rate.
Samples asPlayed(const std::filesystem::path& file) {
    const std::optional<DecodedWave> wave = decodeWave(file);
    if (!wave)
        return {};
    const std::size_t frames = wave->samples.size() / std::size_t(wave->channels);
    Samples out(frames * kRate / std::size_t(wave->rate));
    const auto frame = [&](std::size_t i) {
        double sum = 0;
        for (int c = 0; c < wave->channels; ++c)
            sum += wave->samples[std::min(i, frames - 1) * std::size_t(wave->channels) +
                                 std::size_t(c)];
        return sum / wave->channels;
    };
    for (std::size_t k = 0; k < out.size(); ++k) {
        const double at = double(k) * wave->rate / kRate;
        const auto i = std::size_t(at);
        out[k] = std::int16_t(std::lround(frame(i) + (frame(i + 1) - frame(i)) * (at - double(i))));
    }
    return out;
}

/// How alike two stretches are, whatever their loudness: 1 for the same shape.
double likeness(const Samples& a, std::ptrdiff_t aFrom, const Samples& b, std::ptrdiff_t bFrom,
                std::ptrdiff_t count) {
    if (aFrom < 0 || bFrom < 0 || aFrom + count > std::ptrdiff_t(a.size()) ||
        bFrom + count > std::ptrdiff_t(b.size()))
        return 0;
    double ab = 0, aa = 0, bb = 0;
    for (std::ptrdiff_t k = 0; k < count; ++k) {
        const double x = a[std::size_t(aFrom + k)], y = b[std::size_t(bFrom + k)];
        ab += x * y;
        aa += x * x;
        bb += y * y;
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

double loudness(const Samples& s, std::ptrdiff_t from, std::ptrdiff_t count) {
    double sum = 0;
    for (std::ptrdiff_t k = from; k < from + count && k < std::ptrdiff_t(s.size()); ++k)
        sum += double(s[std::size_t(k)]) * s[std::size_t(k)];
    return std::sqrt(sum / double(std::max<std::ptrdiff_t>(count, 1)));
}

/// Where the wave `played` starts in `heard`, searched from a little before
/// `expected` to well after it by the shape of its first 20 loud milliseconds.
std::optional<std::ptrdiff_t> findWave(const Samples& heard, const Samples& played,
                                       std::ptrdiff_t expected) {
    const std::int16_t peak = *std::max_element(played.begin(), played.end());
    const auto loud = std::find_if(played.begin(), played.end(),
                                   [&](std::int16_t s) { return std::abs(s) > peak / 10; });
    const std::ptrdiff_t lead = loud - played.begin();
    // The first place alike enough, then the best fit within 10 ms (a period of
    // the lowest sounds): a ringing sound resembles itself a period earlier and
    // later, so the best fit over a longer stretch could be far off.
    const auto alikeAt = [&](std::ptrdiff_t at) {
        return likeness(heard, at + lead, played, lead, samplesIn(20));
    };
    for (std::ptrdiff_t at = expected - samplesIn(15); at < expected + samplesIn(200); ++at) {
        if (alikeAt(at) < 0.8)
            continue;
        std::ptrdiff_t best = at;
        for (std::ptrdiff_t near = at; near < at + samplesIn(10); ++near)
            if (alikeAt(near) > alikeAt(best))
                best = near;
        return best;
    }
    return std::nullopt;
}

struct Request {
    const Cue* cue;
    std::ptrdiff_t at; ///< in the recording
};

std::string describe(const std::vector<std::string>& problems) {
    std::ostringstream out;
    out << problems.size() << " problems:";
    for (const std::string& p : problems)
        out << "\n  " << p;
    return out.str();
}

/// Each wave request must be heard from its moment (within kLateMs), whole or up
/// to the request that replaced it, at its loudness.
std::vector<std::string> checkWaves(const AudioRig& rig, const Samples& heard,
                                    const std::vector<Request>& requests) {
    std::map<std::filesystem::path, Samples> played;
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const Request& r = requests[i];
        const std::ptrdiff_t next =
            i + 1 < requests.size() ? requests[i + 1].at : std::ptrdiff_t(heard.size());
        const std::filesystem::path file = rig.wave(*r.cue);
        Samples& wave = played[file];
        if (wave.empty())
            wave = asPlayed(file);
        // A request replaced within a few milliseconds cannot be told apart.
        if (next - r.at < samplesIn(25))
            continue;
        std::ostringstream what;
        what << "#" << i << " " << r.cue->routine << " at " << msOf(r.at) << " ms: ";
        const std::optional<std::ptrdiff_t> start = findWave(heard, wave, r.at);
        if (!start) {
            problems.push_back(what.str() + "not heard");
            continue;
        }
        const double late = msOf(*start - r.at);
        if (late > kLateMs || late < -10)
            problems.push_back(what.str() + "starts " + std::to_string(late) + " ms late");
        // The end may fade for a few milliseconds under the next one. Compared
        // 5 ms by 5 ms, by loudness: a hole or a cut shows, the resampler's
        // fine detail does not.
        const std::ptrdiff_t length =
            std::min(std::ptrdiff_t(wave.size()), next - *start) - samplesIn(8);
        const std::ptrdiff_t block = samplesIn(5);
        const double peak = loudness(wave, 0, std::ptrdiff_t(wave.size()));
        std::vector<double> ratios;
        // Its first and last 10 ms may be off by a period of the sound.
        for (std::ptrdiff_t b = samplesIn(10); b + block <= length - samplesIn(10); b += block) {
            const double expected = loudness(wave, b, block);
            if (expected > peak / 4)
                ratios.push_back(loudness(heard, *start + b, block) / expected);
        }
        std::vector<double> sorted = ratios;
        std::sort(sorted.begin(), sorted.end());
        const double level = sorted.empty() ? 0 : sorted[sorted.size() / 2];
        const double weakest = sorted.empty() ? 0 : sorted.front();
        // A mono wave comes back from the stereo output at about 0.7 of its level.
        if (level < 0.4 || level > 1.5 || weakest < level / 3)
            problems.push_back(what.str() + "broken over its " + std::to_string(msOf(length)) +
                               " ms (level " + std::to_string(level) + ", weakest " +
                               std::to_string(weakest) + ")");
    }
    return problems;
}

/// The largest step between neighbouring samples of a stretch; from the
/// start, the step from silence to the first sample counts too.
int largestStep(const Samples& s, std::ptrdiff_t from, std::ptrdiff_t to) {
    int largest = from == 0 && !s.empty() ? std::abs(int(s[0])) : 0;
    for (std::ptrdiff_t k = std::max<std::ptrdiff_t>(from, 1);
         k < std::min(to, std::ptrdiff_t(s.size())); ++k)
        largest = std::max(largest, std::abs(s[std::size_t(k)] - s[std::size_t(k - 1)]));
    return largest;
}

/// A wave asked for, as it is played and where its request lies in the recording.
struct Played {
    const Samples* wave;
    std::ptrdiff_t at;
    std::string name;
};

/// Where a wave replaces one still sounding, the recording never steps between
/// two samples much further than the two waves do themselves over what plays
/// then: the replaced one around the moment it is cut, the new one from its
/// start. A wave stopped dead steps from its level to nothing at once, which
/// clicks; one that fades does not.
std::vector<std::string> checkReplacements(const Samples& heard, const std::vector<Played>& plays) {
    std::vector<std::string> problems;
    const std::ptrdiff_t late = samplesIn(kLateMs);
    for (std::size_t i = 1; i < plays.size(); ++i) {
        const Played& before = plays[i - 1];
        const Played& now = plays[i];
        const Samples& old = *before.wave;
        const std::ptrdiff_t since = now.at - before.at;
        if (loudness(old, since, samplesIn(20)) < loudness(old, 0, std::ptrdiff_t(old.size())) / 4)
            continue; // the replaced wave is at its quiet end
        // The cut falls between the request and the new wave's start, each
        // wave starting up to kLateMs after its request.
        const std::ptrdiff_t from = now.at - samplesIn(5);
        const std::ptrdiff_t to = now.at + late + samplesIn(10);
        const int step = largestStep(heard, from, to);
        const int own = largestStep(old, from - before.at - late, to - before.at) +
                        largestStep(*now.wave, 0, to - now.at);
        if (step > own * 3 / 2) {
            std::ostringstream what;
            // A hole as well tells of a machine too busy to feed the output.
            std::ptrdiff_t quiet = 0, longestQuiet = 0;
            for (std::ptrdiff_t k = from; k < to && k < std::ptrdiff_t(heard.size()); ++k) {
                quiet = std::abs(heard[std::size_t(k)]) < 50 ? quiet + 1 : 0;
                longestQuiet = std::max(longestQuiet, quiet);
            }
            what << "#" << i << " " << now.name << " at " << msOf(now.at) << " ms cuts "
                 << before.name << " with a click: a step of " << step
                 << " where the waves step at most " << own << " (a hole of " << msOf(longestQuiet)
                 << " ms there)";
            problems.push_back(what.str());
        }
    }
    return problems;
}

/// The strongest frequency of a stretch, to the hertz.
double pitch(const Samples& s, std::ptrdiff_t from, std::ptrdiff_t count) {
    const int n = kRate; // one-hertz bins
    std::vector<double> in(std::size_t(n), 0.0);
    for (std::ptrdiff_t k = 0; k < count; ++k) {
        const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * double(k) / double(count - 1));
        in[std::size_t(k)] = s[std::size_t(from + k)] * hann;
    }
    std::vector<fftw_complex> out(std::size_t(n / 2 + 1));
    fftw_plan plan = fftw_plan_dft_r2c_1d(n, in.data(), out.data(), FFTW_ESTIMATE);
    fftw_execute(plan);
    fftw_destroy_plan(plan);
    std::size_t best = 50;
    for (std::size_t bin = 50; bin < 4000; ++bin) {
        if (std::hypot(out[bin][0], out[bin][1]) > std::hypot(out[best][0], out[best][1]))
            best = bin;
    }
    return double(best);
}

/// Each melody must start within kLateMs of its request and play its table note
/// by note: each pitch (by FFT), each length (3 ms, plus the half period by
/// which a recording can place a change of pitch), with no hole.
std::vector<std::string> checkMelodies(const Samples& heard, const std::vector<Request>& requests) {
    constexpr int kLoud = 2000;
    std::vector<std::string> problems;
    std::ptrdiff_t previousEnd = 0;
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const Request& r = requests[i];
        const std::vector<Tone>& notes = r.cue->melody;
        std::ostringstream what;
        what << "#" << i << " " << r.cue->routine << " at " << msOf(r.at) << " ms: ";
        // Nothing starts before its request, nor before the melody before it ended.
        std::ptrdiff_t start = std::max<std::ptrdiff_t>(r.at, previousEnd);
        const std::ptrdiff_t searchEnd =
            std::min(r.at + samplesIn(200), std::ptrdiff_t(heard.size()));
        while (start < searchEnd && std::abs(heard[std::size_t(start)]) < kLoud)
            ++start;
        if (start >= searchEnd) {
            problems.push_back(what.str() + "not heard");
            continue;
        }
        if (const double late = msOf(start - r.at); late > kLateMs)
            problems.push_back(what.str() + "starts " + std::to_string(late) + " ms late");
        // Its own length (and the tolerance of a note), not into a melody
        // that follows it without a break.
        const std::ptrdiff_t limit =
            std::min(start + samplesIn(r.cue->total + 2), std::ptrdiff_t(heard.size()));
        std::ptrdiff_t end = start;
        for (std::ptrdiff_t k = start; k < limit; ++k)
            if (std::abs(heard[std::size_t(k)]) >= kLoud)
                end = k + 1;
        previousEnd = end;

        // A square wave never rests near zero: a quiet run inside is a hole.
        std::ptrdiff_t quiet = 0, longestQuiet = 0;
        for (std::ptrdiff_t k = start; k < end; ++k) {
            quiet = std::abs(heard[std::size_t(k)]) < 1000 ? quiet + 1 : 0;
            longestQuiet = std::max(longestQuiet, quiet);
        }
        if (longestQuiet > samplesIn(1))
            problems.push_back(what.str() + "a hole of " + std::to_string(msOf(longestQuiet)) +
                               " ms");

        // Half periods between sign changes; a change of pitch lies between the
        // last half period of one note and the first of the next.
        std::vector<std::ptrdiff_t> changes;
        bool high = heard[std::size_t(start)] > 0;
        for (std::ptrdiff_t k = start; k < end; ++k) {
            const std::int16_t s = heard[std::size_t(k)];
            if ((high && s < -1000) || (!high && s > 1000)) {
                high = !high;
                changes.push_back(k);
            }
        }
        // The next note begins where four half periods in a row (two periods:
        // one alone may round towards a neighbouring pitch) are nearer its pitch.
        std::vector<std::ptrdiff_t> bounds{start};
        std::vector<double> slack{0};
        std::size_t note = 0;
        std::size_t run = 0;
        for (std::size_t c = 1; c < changes.size() && note + 1 < notes.size(); ++c) {
            const double hz = kRate / 2.0 / double(changes[c] - changes[c - 1]);
            const double offNow = std::abs(std::log(hz / notes[note].hz));
            const double offNext = std::abs(std::log(hz / notes[note + 1].hz));
            run = offNext < offNow ? run + 1 : 0;
            if (run == 4) {
                const std::size_t first = c - 3;
                bounds.push_back(changes[first - 1]);
                // Placed to within a half period of either note.
                const double halfPeriods = 500.0 / std::min(notes[note].hz, notes[note + 1].hz);
                slack.push_back(halfPeriods);
                ++note;
                run = 0;
            }
        }
        bounds.push_back(end);
        slack.push_back(0);
        if (bounds.size() != notes.size() + 1) {
            problems.push_back(what.str() + "heard " + std::to_string(bounds.size() - 1) +
                               " notes of " + std::to_string(notes.size()));
            continue;
        }
        for (std::size_t n = 0; n < notes.size(); ++n) {
            const double length = msOf(bounds[n + 1] - bounds[n]);
            if (std::abs(length - notes[n].ms) > 3 + slack[n] + slack[n + 1])
                problems.push_back(what.str() + "note " + std::to_string(n + 1) + " lasts " +
                                   std::to_string(length) + " ms, not " +
                                   std::to_string(notes[n].ms));
            const std::ptrdiff_t margin = samplesIn(3);
            const double hz =
                pitch(heard, bounds[n] + margin, bounds[n + 1] - bounds[n] - 2 * margin);
            if (std::abs(hz - notes[n].hz) > std::max(3.0, notes[n].hz * 0.01))
                problems.push_back(what.str() + "note " + std::to_string(n + 1) + " at " +
                                   std::to_string(hz) + " Hz, not " + std::to_string(notes[n].hz));
        }
    }
    return problems;
}

bool haveSoundServer() {
    return !qEnvironmentVariable("QV_AUDIO_TEST_SINK").isEmpty();
}

QString serverAddress() {
    return qEnvironmentVariable("PULSE_SERVER");
}

TEST(RealAudio, EveryWaveOfAQuickMatchIsHeardOnTimeAndWhole) {
    if (!haveSoundServer())
        GTEST_SKIP() << "no private sound server to record from";
    AudioRig rig;
    ASSERT_TRUE(rig.audio->waitUntilOpen());
    Recorder recorder(rig.recording("waves.raw"), serverAddress(),
                      qEnvironmentVariable("QV_AUDIO_TEST_SINK"));
    if (!recorder.started())
        GTEST_SKIP() << "parec records nothing from the private sound server";

    // A quick player: a click every 300 ms, each pair or miss cut short by the
    // next click; then one wave ten times over; then requests a moment apart.
    std::vector<std::pair<const Cue*, double>> plan;
    double at = 100;
    const auto add = [&](std::string_view routine, double gap) {
        plan.emplace_back(&cueNamed(routine), at);
        at += gap;
    };
    for (int attempt = 0; attempt < 22; ++attempt) {
        add("firstClick", 300);
        add("secondClick", 300);
        add(attempt % 3 == 0 ? "pairFound" : "pairMissed", 300);
    }
    for (int k = 0; k < 10; ++k)
        add("optionChosen", 300);
    add("pairMissed", 0);
    add("timeUp", 700);
    add("firstClick", 4);
    add("secondClick", 400);
    add("timeUp", 2);
    add("defeat", 2100);
    add("victory", 1700);

    std::vector<Request> requests;
    const Clock::time_point begin = Clock::now();
    for (const auto& [cue, ms] : plan) {
        recorder.waitUntil(begin + std::chrono::microseconds(std::int64_t(ms * 1000)));
        const Clock::time_point now = Clock::now();
        rig.request(*cue);
        requests.push_back({cue, recorder.position(now)});
    }
    recorder.waitFor(std::chrono::milliseconds(300));
    const Samples heard = recorder.finish();

    ASSERT_GE(requests.size(), 60u);
    const std::vector<std::string> problems = checkWaves(rig, heard, requests);
    EXPECT_TRUE(problems.empty()) << describe(problems);
    std::map<std::filesystem::path, Samples> waves;
    std::vector<Played> plays;
    for (const Request& r : requests) {
        Samples& wave = waves[rig.wave(*r.cue)];
        if (wave.empty())
            wave = asPlayed(rig.wave(*r.cue));
        plays.push_back({&wave, r.at, std::string(r.cue->routine)});
    }
    const std::vector<std::string> clicks = checkReplacements(heard, plays);
    EXPECT_TRUE(clicks.empty()) << describe(clicks);
}

/// A second of a pure tone, loud: cut dead it clicks, as the game's own
/// buzzing waves would hide.
std::filesystem::path writeTone(const std::filesystem::path& file, double hz) {
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* out = sf_open(file.c_str(), SFM_WRITE, &info);
    if (!out)
        return file;
    Samples tone(22050);
    for (std::size_t k = 0; k < tone.size(); ++k)
        tone[k] = std::int16_t(std::lround(20000 * std::sin(2 * M_PI * hz * double(k) / 22050)));
    sf_write_short(out, tone.data(), sf_count_t(tone.size()));
    sf_close(out);
    return file;
}

TEST(RealAudio, AWaveReplacedWhileItSoundsFadesOutWithoutAClick) {
    if (!haveSoundServer())
        GTEST_SKIP() << "no private sound server to record from";
    AudioRig rig;
    ASSERT_TRUE(rig.audio->waitUntilOpen());
    const std::array<std::filesystem::path, 2> files{
        writeTone(rig.ports.paths.root() / "low.wav", 150),
        writeTone(rig.ports.paths.root() / "high.wav", 250)};
    const std::array<Samples, 2> waves{asPlayed(files[0]), asPlayed(files[1])};
    Recorder recorder(rig.recording("tones.raw"), serverAddress(),
                      qEnvironmentVariable("QV_AUDIO_TEST_SINK"));
    if (!recorder.started())
        GTEST_SKIP() << "parec records nothing from the private sound server";

    // Each wave cut at another point of its swing, by the other one or by itself.
    std::vector<Played> plays;
    const Clock::time_point begin = Clock::now();
    for (int k = 0; k < 12; ++k) {
        recorder.waitUntil(begin + std::chrono::milliseconds(100 + 230 * k + 7 * (k % 5)));
        const Clock::time_point now = Clock::now();
        const std::size_t which = std::size_t(k % 3 == 2 ? (k + 1) % 2 : k % 2);
        rig.audio->play(files[which]);
        plays.push_back({&waves[which], recorder.position(now), files[which].filename().string()});
    }
    recorder.waitFor(std::chrono::milliseconds(300));
    const Samples heard = recorder.finish();

    const std::vector<std::string> clicks = checkReplacements(heard, plays);
    EXPECT_TRUE(clicks.empty()) << describe(clicks);
}

TEST(RealAudio, EveryMelodyOfAQuickMatchStartsOnTimeAndPlaysItsNotesAndHoldsTheGame) {
    if (!haveSoundServer())
        GTEST_SKIP() << "no private sound server to record from";
    AudioRig rig;
    ASSERT_TRUE(rig.audio->waitUntilOpen());
    rig.effects->settings.SoundDevice = "A";
    Recorder recorder(rig.recording("melodies.raw"), serverAddress(),
                      qEnvironmentVariable("QV_AUDIO_TEST_SINK"));
    if (!recorder.started())
        GTEST_SKIP() << "parec records nothing from the private sound server";

    std::vector<const Cue*> plan;
    for (int attempt = 0; attempt < 8; ++attempt) {
        plan.push_back(&cueNamed("firstClick"));
        plan.push_back(&cueNamed("secondClick"));
        plan.push_back(&cueNamed(attempt % 2 == 0 ? "pairFound" : "pairMissed"));
    }
    for (std::string_view routine : {"optionChosen", "timeUp", "defeat", "victory"})
        plan.push_back(&cueNamed(routine));

    std::vector<Request> requests;
    std::vector<std::string> problems;
    Clock::time_point next = Clock::now() + std::chrono::milliseconds(100);
    for (const Cue* cue : plan) {
        recorder.waitUntil(next);
        const Clock::time_point asked = Clock::now();
        rig.request(*cue);
        const double held = std::chrono::duration<double, std::milli>(Clock::now() - asked).count();
        if (held < cue->total - 1 || held > cue->total + 25)
            problems.push_back(std::string(cue->routine) + " held the game " +
                               std::to_string(held) + " ms");
        requests.push_back({cue, recorder.position(asked)});
        // The next click comes 300 ms after this one, or a moment after the
        // melody lets the game go.
        next = std::max(asked + std::chrono::milliseconds(300),
                        Clock::now() + std::chrono::milliseconds(40));
    }
    recorder.waitFor(std::chrono::milliseconds(300));
    const Samples heard = recorder.finish();

    const std::vector<std::string> heardProblems = checkMelodies(heard, requests);
    problems.insert(problems.end(), heardProblems.begin(), heardProblems.end());
    EXPECT_TRUE(problems.empty()) << describe(problems);
}

TEST(RealAudio, AMelodyAskedForAsTheOneBeforeEndsFollowsItWhole) {
    if (!haveSoundServer())
        GTEST_SKIP() << "no private sound server to record from";
    AudioRig rig;
    ASSERT_TRUE(rig.audio->waitUntilOpen());
    rig.effects->settings.SoundDevice = "A";
    Recorder recorder(rig.recording("queued.raw"), serverAddress(),
                      qEnvironmentVariable("QV_AUDIO_TEST_SINK"));
    if (!recorder.started())
        GTEST_SKIP() << "parec records nothing from the private sound server";

    // A melody asked for as soon as the one before lets the game go, while
    // that one's last milliseconds are still on their way out: asked a little
    // later each time, it meets the one before at each point of its draining,
    // up to after it fell silent. Neither may be lost, cut or played twice.
    std::vector<Request> requests;
    for (int late = 0; late <= 24; late += 2) {
        recorder.waitFor(std::chrono::milliseconds(150));
        Clock::time_point asked = Clock::now();
        rig.request(cueNamed("secondClick"));
        requests.push_back({&cueNamed("secondClick"), recorder.position(asked)});
        std::this_thread::sleep_for(std::chrono::milliseconds(late));
        asked = Clock::now();
        rig.request(cueNamed("pairFound"));
        requests.push_back({&cueNamed("pairFound"), recorder.position(asked)});
    }
    recorder.waitFor(std::chrono::milliseconds(300));
    const Samples heard = recorder.finish();

    const std::vector<std::string> problems = checkMelodies(heard, requests);
    EXPECT_TRUE(problems.empty()) << describe(problems);
}

TEST(RealAudio, AnOutputThatGoesAwayIsSilentAndSoundsAgainAtTheNextActivation) {
    if (!haveSoundServer())
        GTEST_SKIP() << "no private sound server to record from";
    TempPaths folder;
    SoundServer server(folder.root() / "server");
    ASSERT_TRUE(server.start());
    // Every opening of the output, and every retry, goes to this server.
    const QByteArray sharedServer = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", server.address().toUtf8());
    const std::shared_ptr<void> restore(nullptr,
                                        [&](void*) { qputenv("PULSE_SERVER", sharedServer); });
    AudioRig rig;
    ASSERT_TRUE(rig.audio->waitUntilOpen());

    const auto heardAfter = [&](const char* file, const Cue& cue) {
        Recorder recorder(rig.recording(file), server.address(), QStringLiteral("qvback"));
        if (!recorder.started())
            return false;
        const Clock::time_point asked = Clock::now();
        rig.request(cue);
        const std::ptrdiff_t at = recorder.position(asked);
        recorder.waitFor(std::chrono::milliseconds(400));
        return checkWaves(rig, recorder.finish(), {{&cue, at}}).empty();
    };
    EXPECT_TRUE(heardAfter("before.raw", cueNamed("firstClick")));

    server.kill();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    // Nothing is said about sound on the terminal, however many requests pass.
    StderrCapture terminal(folder.root() / "said.txt");
    const Clock::time_point silentFrom = Clock::now();
    for (int k = 0; k < 10; ++k) {
        rig.effects->settings.SoundDevice = "P";
        rig.request(cueNamed("pairFound"));
        rig.effects->settings.SoundDevice = "A";
        rig.request(cueNamed("secondClick"));
    }
    const double silentMs =
        std::chrono::duration<double, std::milli>(Clock::now() - silentFrom).count();
    EXPECT_LE(terminal.said().count('\n'), 2) << "the lost output was reported per sound";
    EXPECT_FALSE(rig.audio->waitUntilOpen());
    // Each melody still takes its time; nothing else waits.
    EXPECT_NEAR(silentMs, 10 * 100, 200);

    ASSERT_TRUE(server.start());
    rig.effects->settings.SoundDevice = "P";
    rig.game.onActivated();
    ASSERT_TRUE(rig.audio->waitUntilOpen());
    EXPECT_TRUE(heardAfter("after.raw", cueNamed("secondClick")));
}

TEST(AudioModule, WithoutItTheGamePlaysInSilenceAndSaysSoOnce) {
    TempPaths folder;
    std::filesystem::create_directories(folder.programFolder());
    std::filesystem::copy(std::filesystem::path(QV_SOUNDS_DIR) / "Som1.click.wav",
                          folder.programFolder() / "Som1.click.wav");
    const std::filesystem::path notALibrary = folder.root() / "not-a-library.so";
    std::FILE* text = std::fopen(notALibrary.c_str(), "w");
    ASSERT_NE(text, nullptr);
    std::fputs("not a library\n", text);
    std::fclose(text);
    for (const std::filesystem::path& module : {folder.root() / "missing.so", notALibrary}) {
        SCOPED_TRACE(module.string());
        StderrCapture terminal(folder.root() / "said.txt");
        {
            LoadedAudio audio(QString::fromStdString(module.string()), folder.programFolder());
            audio.open();
            EXPECT_FALSE(audio.waitUntilOpen());
            const Clock::time_point start = Clock::now();
            for (int k = 0; k < 5; ++k) {
                audio.play(folder.programFolder() / "Som1.click.wav");
                audio.stop();
                audio.recover();
                audio.open();
                const std::array<Tone, 2> melody{{{440, 20}, {880, 30}}};
                audio.Melody(melody);
            }
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            // The melodies still hold the game for their length, and only so.
            EXPECT_GE(ms, 5 * 50 - 1);
            EXPECT_LE(ms, 5 * 50 + 150);
        }
        const QByteArray said = terminal.said();
        EXPECT_EQ(said.count('\n'), 1) << said.toStdString();
        EXPECT_TRUE(said.contains(QByteArray::fromStdString(module.filename().string())))
            << said.toStdString();
    }
}

} // namespace
} // namespace qv::test
