#pragma once

#include "sound/TonePlayer.h"
#include "sound/WaveFile.h"
#include "sound/WavePlayer.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
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
class OpenAlAudio final : public WavePlayer, public ToneService {
public:
    explicit OpenAlAudio(std::filesystem::path waveFolder);
    ~OpenAlAudio() override;
    OpenAlAudio(const OpenAlAudio&) = delete;
    OpenAlAudio& operator=(const OpenAlAudio&) = delete;

    /// Starts opening the output in the background, unless it is open and still
    /// connected or an opening is under way.
    void open();
    /// Waits for an opening under way; true when an output is open.
    bool waitUntilOpen();

    void play(const std::filesystem::path& file) override;
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

    std::filesystem::path m_folder;
    std::mutex m_mutex;
    std::unique_ptr<Output> m_output;
    std::map<std::filesystem::path, DecodedWave> m_waves;
    std::thread m_opener;
    std::atomic<bool> m_opening{false};
    std::chrono::steady_clock::time_point m_lastAttempt{};
    bool m_lost = false;
};

} // namespace qv
