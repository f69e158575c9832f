#pragma once

#include "sound/TBTBeeper.h"

#include <QAudioFormat>

#include <memory>

class QAudioSink;
class QIODevice;

namespace qv {

/// Tones as square waves through the default audio output. Each call returns
/// when its tone has lasted its time; with no audio output it waits in silence.
class QtToneService final : public ToneService {
public:
    QtToneService();
    ~QtToneService() override;
    QtToneService(const QtToneService&) = delete;
    QtToneService& operator=(const QtToneService&) = delete;

    void Beep(std::uint16_t frequency, std::uint32_t milliseconds) override;

private:
    /// Opens the output at the first tone, so a game without melodies never does.
    QIODevice* output();

    QAudioFormat m_format;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice* m_output = nullptr;
    bool m_tried = false;
};

} // namespace qv
