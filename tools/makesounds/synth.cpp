#include "synth.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <numbers>

namespace makesounds {

namespace {

constexpr double kTargetRms = 0.16;
constexpr double kPeakLimit = 0.89;
/// Every note ends with this fade, so no note ends in a click.
constexpr double kRelease = 0.012;

void put16(std::ofstream& out, std::uint16_t v) {
    const char bytes[] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

Wave::Wave(double seconds) : m_samples(at(seconds), 0.0) {
}

std::size_t Wave::at(double seconds) const {
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

double Wave::envelope(const Timbre& timbre, double t, double length) const {
    double level =
        t < timbre.attack ? t / timbre.attack : std::exp(-timbre.decay * (t - timbre.attack));
    if (t > length - kRelease)
        level *= std::max(0.0, (length - t) / kRelease);
    return level;
}

void Wave::note(double hz, double start, double length, const Timbre& timbre, double gain) {
    glide(hz, hz, start, length, timbre, gain);
}

void Wave::glide(double fromHz, double toHz, double start, double length, const Timbre& timbre,
                 double gain, double vibratoHz) {
    const std::size_t first = at(start);
    const std::size_t count =
        std::min(at(length), m_samples.size() - std::min(first, m_samples.size()));
    double phase = 0.0;
    for (std::size_t k = 0; k < count; ++k) {
        const double t = static_cast<double>(k) / kSampleRate;
        double hz = fromHz * std::pow(toHz / fromHz, t / length);
        if (vibratoHz > 0)
            hz *= std::pow(2.0, std::sin(2 * std::numbers::pi * vibratoHz * t) / 12.0);
        phase += 2 * std::numbers::pi * hz / kSampleRate;
        double value = 0.0;
        for (std::size_t p = 0; p < timbre.partials.size(); ++p) {
            // Partials above the Nyquist frequency would fold back as noise.
            if (hz * static_cast<double>(p + 1) < kSampleRate / 2.0)
                value += timbre.partials[p] * std::sin(phase * static_cast<double>(p + 1));
        }
        m_samples[first + k] += gain * envelope(timbre, t, length) * value;
    }
}

void Wave::noiseBurst(double start, double length, double gain) {
    std::uint32_t seed = 12345;
    const std::size_t first = at(start);
    const std::size_t count =
        std::min(at(length), m_samples.size() - std::min(first, m_samples.size()));
    for (std::size_t k = 0; k < count; ++k) {
        seed = seed * 1664525u + 1013904223u;
        const double noise = static_cast<double>(seed >> 8) / (1u << 24) * 2.0 - 1.0;
        const double fade = 1.0 - static_cast<double>(k) / static_cast<double>(count);
        m_samples[first + k] += gain * noise * fade * fade;
    }
}

void Wave::padEnd(double seconds) {
    m_samples.resize(m_samples.size() + at(seconds), 0.0);
}

void Wave::normalise() {
    double sum = 0.0;
    double peak = 0.0;
    for (double s : m_samples) {
        sum += s * s;
        peak = std::max(peak, std::abs(s));
    }
    if (peak == 0.0)
        return;
    const double rms = std::sqrt(sum / static_cast<double>(m_samples.size()));
    const double scale = std::min(kTargetRms / rms, kPeakLimit / peak);
    for (double& s : m_samples)
        s *= scale;
}

bool Wave::save(const std::filesystem::path& file) const {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const auto bytes = static_cast<std::uint32_t>(m_samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + bytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, bytes);
    for (double s : m_samples)
        put16(out, static_cast<std::uint16_t>(
                       static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767))));
    return static_cast<bool>(out);
}

} // namespace makesounds
