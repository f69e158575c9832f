#pragma once

#include "sound/SoundEffects.h"
#include "sound/TonePlayer.h"
#include "sound/WavePlayer.h"
#include "tests/fakes/VirtualScheduler.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qv::test {

/// The beeper's millisecond counter on virtual time, starting at `start` so a
/// test can put a wrap of the counter where it likes. A pause blocks the event
/// loop, so no timer fires in it; it moves at most `step` ms at a time, as a
/// sleep may come back early.
class VirtualTicks final : public TickCounter {
public:
    VirtualTicks(VirtualScheduler& scheduler, std::uint32_t start, std::uint32_t step = 1000)
        : m_scheduler(scheduler), m_offset(start - static_cast<std::uint32_t>(scheduler.now())),
          m_step(step) {}
    int pauses = 0;

    std::uint32_t GetTickCount() override {
        return m_offset + static_cast<std::uint32_t>(m_scheduler.now());
    }
    void pause(std::uint32_t milliseconds) override {
        ++pauses;
        m_scheduler.hold(std::min(milliseconds, m_step));
    }

private:
    VirtualScheduler& m_scheduler;
    std::uint32_t m_offset;
    std::uint32_t m_step;
};

/// A tone service that remembers each tone, and how many melodies came whole,
/// and holds virtual time for them.
class RecordingBeep final : public ToneService {
public:
    explicit RecordingBeep(VirtualScheduler& scheduler) : m_scheduler(scheduler) {}
    std::vector<Tone> tones;
    int melodies = 0;
    void Beep(std::uint16_t frequency, std::uint32_t milliseconds) override {
        tones.push_back({frequency, milliseconds});
        m_scheduler.hold(milliseconds);
    }
    void Melody(std::span<const Tone> melody) override {
        ++melodies;
        ToneService::Melody(melody);
    }

private:
    VirtualScheduler& m_scheduler;
};

/// I/O ports that remember every access; port 61h keeps what was written to it.
class RecordingPorts final : public PortIo {
public:
    struct Access {
        char kind; ///< 'r' or 'w'
        std::uint16_t port;
        std::uint8_t value;
        friend bool operator==(const Access&, const Access&) = default;
    };
    std::vector<Access> accesses;
    std::uint8_t systemControl = 0x30;

    std::uint8_t ReadPort(std::uint16_t port) override {
        const std::uint8_t value = port == 0x61 ? systemControl : 0;
        accesses.push_back({'r', port, value});
        return value;
    }
    void WritePort(std::uint16_t port, std::uint8_t value) override {
        if (port == 0x61)
            systemControl = value;
        accesses.push_back({'w', port, value});
    }
};

/// Remembers the waves asked for; "stop" for each stop.
class RecordingWaves final : public WavePlayer {
public:
    std::vector<std::string> requests;
    void play(const std::filesystem::path& file) override {
        requests.push_back(file.filename().string());
    }
    void stop() override { requests.push_back("stop"); }
};

} // namespace qv::test
