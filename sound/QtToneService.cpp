#include "sound/QtToneService.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <QThread>

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

namespace qv {

namespace {

constexpr int kSampleRate = 44100;
/// Loud enough to hear, soft enough not to startle: a square wave is harsh.
constexpr qint16 kAmplitude = 6000;

/// `milliseconds` of a square wave of `frequency` Hz, as 16-bit mono samples.
QByteArray squareWave(std::uint16_t frequency, std::uint32_t milliseconds) {
    const auto count = static_cast<qsizetype>(std::uint64_t{milliseconds} * kSampleRate / 1000);
    std::vector<qint16> samples(static_cast<std::size_t>(count));
    const std::uint64_t period = kSampleRate;
    for (qsizetype k = 0; k < count; ++k) {
        // Position within the period in units of 1/(2·rate); exact for any frequency.
        const std::uint64_t phase = (static_cast<std::uint64_t>(k) * frequency * 2) % (period * 2);
        samples[static_cast<std::size_t>(k)] = phase < period ? kAmplitude : -kAmplitude;
    }
    return QByteArray(reinterpret_cast<const char*>(samples.data()),
                      count * static_cast<qsizetype>(sizeof(qint16)));
}

} // namespace

QtToneService::QtToneService() {
    m_format.setSampleRate(kSampleRate);
    m_format.setChannelCount(1);
    m_format.setSampleFormat(QAudioFormat::Int16);
}

QtToneService::~QtToneService() {
    if (m_sink)
        m_sink->stop();
}

QIODevice* QtToneService::output() {
    if (m_tried)
        return m_output;
    m_tried = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(m_format))
        return nullptr;
    m_sink = std::make_unique<QAudioSink>(device, m_format);
    m_output = m_sink->start();
    return m_output;
}

void QtToneService::Beep(std::uint16_t frequency, std::uint32_t milliseconds) {
    QElapsedTimer clock;
    clock.start();
    const auto duration = static_cast<qint64>(milliseconds);
    if (QIODevice* device = output()) {
        const QByteArray wave = squareWave(frequency, milliseconds);
        qsizetype written = 0;
        // The output takes what fits; the rest follows as it plays. Never past the
        // tone's end: a stalled output must not stretch the melody.
        while (written < wave.size() && clock.elapsed() < duration) {
            const qint64 put = device->write(wave.constData() + written, wave.size() - written);
            written += std::max<qint64>(put, 0);
            if (written < wave.size())
                QThread::msleep(5);
        }
    }
    const qint64 left = duration - clock.elapsed();
    if (left > 0)
        QThread::msleep(static_cast<unsigned long>(left));
}

} // namespace qv
