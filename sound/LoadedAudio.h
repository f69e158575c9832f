#pragma once

#include "sound/AudioOutput.h"

#include <QLibrary>
#include <QObject>

#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>

namespace qv {

/// The audio output, with its module (OpenAL and the wave decoder, and the
/// libraries they bring) loaded in the background once the first window shows,
/// so the program starts without them. Until the output is there a melody is a
/// silent wait of its length and a wave waits for it as for an output still
/// opening. Without the module the game plays in silence, and says so once.
class LoadedAudio final : public AudioOutput {
public:
    LoadedAudio(const QString& module, std::filesystem::path waveFolder);
    ~LoadedAudio() override;
    LoadedAudio(const LoadedAudio&) = delete;
    LoadedAudio& operator=(const LoadedAudio&) = delete;

    /// The module's file name, as it lies beside the program.
    static QString moduleBesideProgram();

    /// The first call starts loading the module; later ones open the output again.
    void open() override;
    bool waitUntilOpen() override;
    void playAsked(const std::filesystem::path& file,
                   std::chrono::steady_clock::time_point asked) override;
    void stop() override;
    /// Opens an output that went away again, once the module is there.
    void recover() override;
    void Beep(std::uint16_t frequency, std::uint32_t milliseconds) override;
    void Melody(std::span<const Tone> tones) override;

private:
    /// The module's output once it is loaded, made and opened on this (the
    /// game's) thread at the first call after loading; null before, or without one.
    AudioOutput* output();

    struct AskedWave {
        std::filesystem::path file;
        std::chrono::steady_clock::time_point asked;
    };

    QLibrary m_module;
    std::filesystem::path m_folder;
    std::thread m_loader;
    std::atomic<bool> m_loadFinished{false};
    bool m_loaded = false; // written by the loader before m_loadFinished
    bool m_givenUp = false;
    std::unique_ptr<AudioOutput> m_output;
    std::optional<AskedWave> m_waiting;
    /// Receives the loader's word that the module is there; goes before the rest.
    QObject m_receiver;
};

} // namespace qv
