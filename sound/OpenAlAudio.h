#pragma once

#include "sound/AudioOutput.h"
#include "sound/WaveFile.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace qv {

/// The game's one audio output, through OpenAL: every wave and every melody
/// plays through it. It opens in the background, so no window waits for it;
/// the waves of the program's folder are decoded into memory then, once for
/// the run. Without an output everything passes in silence (a melody still
/// takes its time). An output that goes away is opened again at the next
/// activation, or at a request once a few seconds have passed; where there
/// never was one, only at activations, so a machine without sound is not asked
/// again at every cue.
class OpenAlAudio final : public AudioOutput {
public:
    explicit OpenAlAudio(std::filesystem::path waveFolder);
    ~OpenAlAudio() override;
    OpenAlAudio(const OpenAlAudio&) = delete;
    OpenAlAudio& operator=(const OpenAlAudio&) = delete;

    /// Starts opening the output in the background, unless it is open and still
    /// connected or an opening is under way.
    void open() override;
    bool waitUntilOpen() override;

    void playAsked(const std::filesystem::path& file,
                   std::chrono::steady_clock::time_point asked) override;
    void stop() override;
    void recover() override { open(); }

    void Beep(std::uint16_t frequency, std::uint32_t milliseconds) override;
    void Melody(std::span<const Tone> tones) override;

private:
    struct Output;

    /// The open output, or null; drops one whose device went away. Under the lock.
    Output* usable();
    /// After a lost output, tries again at a request, but not at every one.
    void retrySoon();
    void openNow();
    const DecodedWave* decoded(const std::filesystem::path& file);
    /// Starts a wave in place of the one playing. Under the lock.
    void startWave(Output& out, const std::filesystem::path& file);

    struct AskedWave {
        std::filesystem::path file;
        std::chrono::steady_clock::time_point asked;
    };

    std::filesystem::path m_folder;
    std::mutex m_mutex;
    std::unique_ptr<Output> m_output;
    std::map<std::filesystem::path, DecodedWave> m_waves;
    std::thread m_opener;
    std::atomic<bool> m_opening{false};
    std::chrono::steady_clock::time_point m_lastAttempt{};
    bool m_lost = false;
    /// Counts the outputs opened, so one opened anew is never taken for the last.
    std::uint64_t m_openings = 0;
    /// The last wave asked for while the output was opening.
    std::optional<AskedWave> m_waiting;
};

} // namespace qv
