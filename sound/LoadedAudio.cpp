#include "sound/LoadedAudio.h"

#include "sound/MelodyWave.h"

#include <QCoreApplication>

#include <cstdio>

namespace qv {

LoadedAudio::LoadedAudio(const QString& module, std::filesystem::path waveFolder)
    : m_module(module), m_folder(std::move(waveFolder)) {
}

LoadedAudio::~LoadedAudio() {
    if (m_loader.joinable())
        m_loader.join();
    // The output's code lives in the module, which stays loaded to the end of
    // the run (OpenAL has exit handlers of its own in it).
    m_output.reset();
}

QString LoadedAudio::moduleBesideProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/") +
           QStringLiteral(QV_AUDIO_MODULE);
}

void LoadedAudio::open() {
    if (m_loader.joinable() || m_loadFinished) {
        if (AudioOutput* out = output())
            out->open();
        return;
    }
    m_loader = std::thread([this] {
        m_loaded = m_module.load();
        m_loadFinished = true;
        // The output is made on the game's thread: it sets the environment
        // OpenAL reads, which no other thread may do while the game reads it.
        QMetaObject::invokeMethod(
            &m_receiver, [this] { output(); }, Qt::QueuedConnection);
    });
}

AudioOutput* LoadedAudio::output() {
    if (m_output || m_givenUp || !m_loadFinished)
        return m_output.get();
    if (m_loader.joinable())
        m_loader.join();
    const auto make =
        m_loaded ? reinterpret_cast<MakeAudioOutput>(m_module.resolve(kMakeAudioOutput)) : nullptr;
    if (make)
        m_output.reset(make(m_folder.c_str()));
    if (!m_output) {
        m_givenUp = true;
        m_waiting.reset();
        std::fprintf(stderr, "quorvanella: no sound, the audio module did not load: %s\n",
                     qPrintable(m_module.errorString()));
        return nullptr;
    }
    m_output->open();
    if (m_waiting)
        m_output->playAsked(m_waiting->file, m_waiting->asked);
    m_waiting.reset();
    return m_output.get();
}

bool LoadedAudio::waitUntilOpen() {
    if (m_loader.joinable())
        m_loader.join();
    AudioOutput* out = output();
    return out && out->waitUntilOpen();
}

void LoadedAudio::playAsked(const std::filesystem::path& file,
                            std::chrono::steady_clock::time_point asked) {
    if (AudioOutput* out = output())
        out->playAsked(file, asked);
    else if (!m_givenUp && std::chrono::steady_clock::now() - asked <= kWaveStillOnTime)
        m_waiting = AskedWave{file, asked};
}

void LoadedAudio::stop() {
    m_waiting.reset();
    if (AudioOutput* out = output())
        out->stop();
}

void LoadedAudio::recover() {
    if (AudioOutput* out = output())
        out->recover();
}

void LoadedAudio::Beep(std::uint16_t frequency, std::uint32_t milliseconds) {
    const Tone tone{frequency, milliseconds};
    Melody({&tone, 1});
}

void LoadedAudio::Melody(std::span<const Tone> tones) {
    if (AudioOutput* out = output()) {
        out->Melody(tones);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(melodyMilliseconds(tones)));
}

} // namespace qv
