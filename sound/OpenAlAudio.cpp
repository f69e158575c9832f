#include "sound/OpenAlAudio.h"

#include "sound/MelodyWave.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <array>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace qv {

namespace {

constexpr int kRate = 44100;
/// Loud enough to hear, soft enough not to startle: a square wave is harsh.
constexpr std::int16_t kToneAmplitude = 6000;
constexpr auto kRetryAfter = std::chrono::seconds(3);

#ifndef ALC_CONNECTED
// ALC_EXT_disconnect, in case the headers predate it.
constexpr ALCenum ALC_CONNECTED = 0x313;
#endif

ALenum formatOf(const DecodedWave& wave) {
    return wave.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
}

void upload(ALuint buffer, const DecodedWave& wave) {
    alBufferData(buffer, formatOf(wave), wave.samples.data(),
                 static_cast<ALsizei>(wave.samples.size() * sizeof(std::int16_t)), wave.rate);
}

} // namespace

/// One opening of the device: its context, two wave sources that take turns so
/// a replaced wave can fade out while the next one starts, a tone source that
/// plays the melodies queued one after the other, and a buffer for each decoded
/// wave.
struct OpenAlAudio::Output {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    bool canTellDisconnect = false;
    std::array<ALuint, 2> waveSources{};
    std::size_t current = 0;
    ALuint toneSource = 0;
    /// The melody queued last on the tone source.
    ALuint lastMelody = 0;
    /// One mixing step: the mixer takes up what was queued within it.
    std::chrono::microseconds step{std::chrono::milliseconds(25)};
    std::map<std::filesystem::path, ALuint> buffers;

    static std::unique_ptr<Output> open() {
        auto out = std::make_unique<Output>();
        out->device = alcOpenDevice(nullptr);
        if (!out->device)
            return nullptr;
        const std::array<ALCint, 3> attributes{ALC_FREQUENCY, kRate, 0};
        out->context = alcCreateContext(out->device, attributes.data());
        if (!out->context)
            return nullptr;
        out->canTellDisconnect = alcIsExtensionPresent(out->device, "ALC_EXT_disconnect") != 0;
        ALCint refresh = 0;
        alcGetIntegerv(out->device, ALC_REFRESH, 1, &refresh);
        if (refresh > 0)
            out->step = std::chrono::microseconds(1'000'000 / refresh + 1);
        return out;
    }

    /// Makes the sources; the context becomes the current one. Under the lock.
    bool start() {
        if (!alcMakeContextCurrent(context))
            return false;
        alGetError();
        alGenSources(2, waveSources.data());
        alGenSources(1, &toneSource);
        return alGetError() == AL_NO_ERROR;
    }

    bool connected() const {
        if (!canTellDisconnect)
            return true;
        ALCint value = 1;
        alcGetIntegerv(device, ALC_CONNECTED, 1, &value);
        return value != 0;
    }

    /// Queues a melody behind the one the tone source plays, or starts it on
    /// its own. The source is asked whether it still plays before the melody is
    /// queued: one asked after could be stopped by the mixer in between, and
    /// starting it then would play the melody before once more.
    void queueMelody(std::span<const std::int16_t> samples) {
        ALint state = 0;
        alGetSourcei(toneSource, AL_SOURCE_STATE, &state);
        dropPlayedMelodies();
        alGenBuffers(1, &lastMelody);
        alBufferData(lastMelody, AL_FORMAT_MONO16, samples.data(),
                     static_cast<ALsizei>(samples.size_bytes()), kRate);
        alSourceQueueBuffers(toneSource, 1, &lastMelody);
        if (state != AL_PLAYING)
            alSourcePlay(toneSource);
    }

    /// A melody queued just as the one before ran out is not taken up by the
    /// mixer: the source stops with it still waiting. Started on its own then,
    /// it sounds a little late instead of never. Called while it should sound.
    void startIfLeftWaiting(ALuint melody) {
        ALint state = 0;
        alGetSourcei(toneSource, AL_SOURCE_STATE, &state);
        if (melody != lastMelody || state == AL_PLAYING)
            return;
        // Everything before it has been played: only it stays queued.
        ALint queued = 0;
        alGetSourcei(toneSource, AL_BUFFERS_QUEUED, &queued);
        dropMelodies(queued - 1);
        alSourcePlay(toneSource);
    }

    /// Frees the melodies the tone source has played.
    void dropPlayedMelodies() {
        ALint played = 0;
        alGetSourcei(toneSource, AL_BUFFERS_PROCESSED, &played);
        dropMelodies(played);
    }

    /// Frees the first `count` melodies queued on the tone source.
    void dropMelodies(ALint count) {
        for (; count > 0; --count) {
            ALuint melody = 0;
            alSourceUnqueueBuffers(toneSource, 1, &melody);
            alDeleteBuffers(1, &melody);
        }
    }

    ALuint buffer(const std::filesystem::path& file, const DecodedWave& wave) {
        auto [it, added] = buffers.try_emplace(file, 0);
        if (added) {
            alGenBuffers(1, &it->second);
            upload(it->second, wave);
        }
        return it->second;
    }

    ~Output() {
        if (context) {
            alcMakeContextCurrent(context);
            alSourceStopv(2, waveSources.data());
            alSourceStop(toneSource);
            dropPlayedMelodies();
            alDeleteSources(2, waveSources.data());
            alDeleteSources(1, &toneSource);
            for (auto& [file, buffer] : buffers)
                alDeleteBuffers(1, &buffer);
            alcMakeContextCurrent(nullptr);
            alcDestroyContext(context);
        }
        if (device)
            alcCloseDevice(device);
    }
};

OpenAlAudio::OpenAlAudio(std::filesystem::path waveFolder) : m_folder(std::move(waveFolder)) {
    // The game's mixing steps (alsoft.conf beside the waves), unless the player
    // names a configuration of their own; read when the output first opens.
    const std::filesystem::path settings = m_folder / "alsoft.conf";
    std::error_code error;
    if (std::filesystem::exists(settings, error))
        ::setenv("ALSOFT_CONF", settings.c_str(), 0);
}

OpenAlAudio::~OpenAlAudio() {
    if (m_opener.joinable())
        m_opener.join();
    const std::lock_guard lock(m_mutex);
    m_output.reset();
}

void OpenAlAudio::open() {
    if (m_opening.exchange(true))
        return;
    {
        const std::lock_guard lock(m_mutex);
        if (usable()) {
            m_opening = false;
            return;
        }
        m_lastAttempt = std::chrono::steady_clock::now();
    }
    if (m_opener.joinable())
        m_opener.join();
    m_opener = std::thread([this] { openNow(); });
}

bool OpenAlAudio::waitUntilOpen() {
    if (m_opener.joinable())
        m_opener.join();
    const std::lock_guard lock(m_mutex);
    return usable() != nullptr;
}

void OpenAlAudio::openNow() {
    // Decoding and the device's slow start happen outside the lock, so a
    // request meanwhile passes at once.
    std::map<std::filesystem::path, DecodedWave> fresh;
    std::error_code error;
    std::filesystem::directory_iterator it(m_folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::filesystem::path& file = it->path();
        if (file.extension() != ".wav")
            continue;
        {
            const std::lock_guard lock(m_mutex);
            if (m_waves.contains(file))
                continue;
        }
        if (auto wave = decodeWave(file))
            fresh.emplace(file, std::move(*wave));
    }
    std::unique_ptr<Output> output = Output::open();

    const std::lock_guard lock(m_mutex);
    m_waves.merge(fresh);
    if (output && output->start()) {
        for (const auto& [file, wave] : m_waves)
            output->buffer(file, wave);
        m_output = std::move(output);
        ++m_openings;
        m_lost = false;
        if (m_waiting && std::chrono::steady_clock::now() - m_waiting->asked <= kWaveStillOnTime)
            startWave(*m_output, m_waiting->file);
    }
    m_waiting.reset();
    m_opening = false;
}

OpenAlAudio::Output* OpenAlAudio::usable() {
    if (m_output && !m_output->connected()) {
        m_output.reset();
        m_lost = true;
    }
    return m_output.get();
}

void OpenAlAudio::retrySoon() {
    bool due = false;
    {
        const std::lock_guard lock(m_mutex);
        due = m_lost && std::chrono::steady_clock::now() - m_lastAttempt >= kRetryAfter;
    }
    if (due)
        open();
}

const DecodedWave* OpenAlAudio::decoded(const std::filesystem::path& file) {
    auto found = m_waves.find(file);
    if (found == m_waves.end()) {
        std::optional<DecodedWave> wave = decodeWave(file);
        if (!wave)
            return nullptr;
        found = m_waves.emplace(file, std::move(*wave)).first;
    }
    return &found->second;
}

void OpenAlAudio::startWave(Output& out, const std::filesystem::path& file) {
    const DecodedWave* wave = decoded(file);
    if (!wave)
        return;
    const ALuint buffer = out.buffer(file, *wave);
    // The playing wave's gain drops to nothing over the next mixing step (512
    // samples, about 12 ms: OpenAL fades a change of gain over one step)
    // instead of stopping dead, which clicks.
    alSourcef(out.waveSources[out.current], AL_GAIN, 0.0F);
    out.current = 1 - out.current;
    const ALuint source = out.waveSources[out.current];
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcef(source, AL_GAIN, 1.0F);
    alSourcePlay(source);
}

void OpenAlAudio::playAsked(const std::filesystem::path& file,
                            std::chrono::steady_clock::time_point asked) {
    {
        const std::lock_guard lock(m_mutex);
        if (Output* out = usable()) {
            startWave(*out, file);
            return;
        }
        if (m_opening) {
            m_waiting = AskedWave{file, asked};
            return;
        }
    }
    retrySoon();
}

void OpenAlAudio::stop() {
    const std::lock_guard lock(m_mutex);
    m_waiting.reset();
    if (Output* out = usable())
        alSourcef(out->waveSources[out->current], AL_GAIN, 0.0F);
}

void OpenAlAudio::Beep(std::uint16_t frequency, std::uint32_t milliseconds) {
    const Tone tone{frequency, milliseconds};
    Melody({&tone, 1});
}

void OpenAlAudio::Melody(std::span<const Tone> tones) {
    const auto start = std::chrono::steady_clock::now();
    const auto total = std::chrono::milliseconds(melodyMilliseconds(tones));
    // Rendered before the lock is taken, so a wave asked for meanwhile never waits.
    const std::vector<std::int16_t> samples = melodyWave(tones, kRate, kToneAmplitude);
    bool heard = false;
    std::uint64_t opening = 0;
    ALuint melody = 0;
    std::chrono::microseconds step{};
    {
        const std::lock_guard lock(m_mutex);
        if (Output* out = usable(); out && !samples.empty()) {
            out->queueMelody(samples);
            heard = true;
            opening = m_openings;
            melody = out->lastMelody;
            step = out->step;
        }
    }
    if (!heard)
        retrySoon();
    // A few mixing steps on, a melody that is still due must be sounding.
    if (heard && total > 4 * step) {
        std::this_thread::sleep_until(start + 3 * step);
        const std::lock_guard lock(m_mutex);
        if (m_output && m_openings == opening)
            m_output->startIfLeftWaiting(melody);
    }
    // The caller is held for the melody's length, as with a beeper: the match's
    // timers wait behind it.
    std::this_thread::sleep_until(start + total);
}

} // namespace qv
