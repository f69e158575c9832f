#pragma once

#include <cstdint>
#include <span>

namespace qv {

/// A tone of a melody: frequency in hertz (1 is a rest), length in milliseconds.
struct Tone {
    std::uint16_t hz;
    std::uint32_t ms;
    friend bool operator==(const Tone&, const Tone&) = default;
};

/// The system's tone service: sounds `frequency` Hz and returns when
/// `milliseconds` have passed.
class ToneService {
public:
    virtual ~ToneService() = default;
    virtual void Beep(std::uint16_t frequency, std::uint32_t milliseconds) = 0;
    /// Sounds the tones one after the other and returns when all have passed. A
    /// service that can should play them as one sound, so no gap opens between
    /// two tones; by default each is one `Beep`.
    virtual void Melody(std::span<const Tone> tones) {
        for (const Tone& tone : tones)
            Beep(tone.hz, tone.ms);
    }
};

/// One-byte access to the PC's I/O ports.
class PortIo {
public:
    virtual ~PortIo() = default;
    virtual std::uint8_t ReadPort(std::uint16_t port) = 0;
    virtual void WritePort(std::uint16_t port, std::uint8_t value) = 0;
};

/// A 32-bit millisecond counter that wraps, and a way to let time pass without
/// keeping a core busy.
class TickCounter {
public:
    virtual ~TickCounter() = default;
    virtual std::uint32_t GetTickCount() = 0;
    /// Gives the processor away for about `milliseconds` (it may come back early).
    virtual void pause(std::uint32_t milliseconds) = 0;
};

enum class BeatDuration { HalfSecond, OneSecond, OneAndAHalfSeconds, TwoSeconds };
enum class PresetSound {
    Ok,
    Error,
    Welcome,
    Emergency,
    Wrong,
    Call,
    Official,
    Daze,
    Fall,
    Chord,
    Whistle,
    Hanging,
    Climb,
};

/// Sounds single tones and returns when each has lasted its time. With a tone
/// service it asks that service; without one it programs timer channel 2 and the
/// speaker gate through the I/O ports; with neither it waits in silence.
class TonePlayer {
public:
    /// The services are borrowed and must outlive the player.
    explicit TonePlayer(TickCounter& ticks, ToneService* beepService = nullptr,
                        PortIo* ports = nullptr);

    /// Set by every construction, shared by all tone players: whether tones go to the
    /// system's tone service.
    static inline bool toneServiceInUse = false;

    BeatDuration beatDuration() const { return m_beatDuration; }
    void setBeatDuration(BeatDuration duration);
    std::uint32_t beatLength() const { return m_beatLength; }
    PresetSound defaultSound() const { return m_defaultSound; }
    void setDefaultSound(PresetSound sound) { m_defaultSound = sound; }

    /// A frequency of 1 is a rest.
    void playTone(std::uint16_t frequency, std::uint32_t milliseconds);
    /// The tones in order, returning after the last: handed whole to the tone
    /// service where there is one, else tone by tone.
    void playMelody(std::span<const Tone> tones);

private:
    /// Milliseconds since `start` on the wrapping counter.
    std::uint32_t elapsedMs(std::uint32_t start);
    void wait(std::uint32_t milliseconds);
    void speakerOn(std::uint16_t frequency);
    void speakerOff();

    TickCounter& m_ticks;
    ToneService* m_beepService;
    PortIo* m_ports;
    BeatDuration m_beatDuration = BeatDuration::OneSecond;
    std::uint32_t m_beatLength = 1000;
    PresetSound m_defaultSound = PresetSound::Ok;
};

} // namespace qv
