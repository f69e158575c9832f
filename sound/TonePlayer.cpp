#include "sound/TonePlayer.h"

namespace qv {

namespace {

constexpr std::uint16_t kTimerData2 = 0x42;
constexpr std::uint16_t kTimerControl = 0x43;
constexpr std::uint16_t kSystemControl = 0x61;
/// Counter 2, low byte then high byte, square wave, binary count.
constexpr std::uint8_t kSquareWaveOnCounter2 = 0xB6;
constexpr std::uint32_t kTimerInputHz = 1193181;
/// Timer-2 gate and speaker data enable.
constexpr std::uint8_t kSpeakerBits = 0x03;

/// The platform query: tones go to the system's service wherever there is one.
bool queryPlatform(const ToneService* beepService) {
    return beepService != nullptr;
}

} // namespace

TonePlayer::TonePlayer(TickCounter& ticks, ToneService* beepService, PortIo* ports)
    : m_ticks(ticks), m_beepService(beepService), m_ports(ports) {
    toneServiceInUse = queryPlatform(beepService);
}

void TonePlayer::setBeatDuration(BeatDuration duration) {
    if (duration == m_beatDuration)
        return;
    m_beatDuration = duration;
    m_beatLength = 500 * (static_cast<std::uint32_t>(duration) + 1);
}

void TonePlayer::playTone(std::uint16_t frequency, std::uint32_t milliseconds) {
    if (frequency == 1) {
        wait(milliseconds);
        return;
    }
    if (toneServiceInUse && m_beepService) {
        m_beepService->Beep(frequency, milliseconds);
        return;
    }
    speakerOn(frequency);
    wait(milliseconds);
    speakerOff();
}

void TonePlayer::playMelody(std::span<const Tone> tones) {
    if (toneServiceInUse && m_beepService) {
        m_beepService->Melody(tones);
        return;
    }
    for (const Tone& tone : tones)
        playTone(tone.hz, tone.ms);
}

std::uint32_t TonePlayer::elapsedMs(std::uint32_t start) {
    // Unsigned arithmetic is modulo 2^32, so one wrap of the counter costs nothing.
    return m_ticks.GetTickCount() - start;
}

void TonePlayer::wait(std::uint32_t milliseconds) {
    const std::uint32_t start = m_ticks.GetTickCount();
    // Sleeps instead of spinning; each pause asks only for the time still missing.
    for (std::uint32_t elapsed = elapsedMs(start); elapsed < milliseconds;
         elapsed = elapsedMs(start))
        m_ticks.pause(milliseconds - elapsed);
}

void TonePlayer::speakerOn(std::uint16_t frequency) {
    if (!m_ports || frequency < 40 || frequency > 5000)
        return;
    const std::uint32_t divisor = kTimerInputHz / frequency;
    const std::uint8_t control = m_ports->ReadPort(kSystemControl);
    if ((control & kSpeakerBits) == 0) {
        m_ports->WritePort(kSystemControl, control | kSpeakerBits);
        m_ports->WritePort(kTimerControl, kSquareWaveOnCounter2);
    }
    m_ports->WritePort(kTimerData2, static_cast<std::uint8_t>(divisor & 0xFF));
    m_ports->WritePort(kTimerData2, static_cast<std::uint8_t>(divisor >> 8));
}

void TonePlayer::speakerOff() {
    if (!m_ports)
        return;
    const std::uint8_t control = m_ports->ReadPort(kSystemControl);
    m_ports->WritePort(kSystemControl, control & static_cast<std::uint8_t>(~kSpeakerBits));
}

} // namespace qv
