#pragma once

#include "sound/WavePlayer.h"

#include <QObject>

#include <map>
#include <string>

class QSoundEffect;

namespace qv {

/// Wave files through Qt sound effects. The waves of the program's folder are
/// loaded when the player is made, so the first cue of a run sounds at once.
class QtWavePlayer final : public WavePlayer {
public:
    explicit QtWavePlayer(const std::filesystem::path& programFolder);
    ~QtWavePlayer() override;
    QtWavePlayer(const QtWavePlayer&) = delete;
    QtWavePlayer& operator=(const QtWavePlayer&) = delete;

    void play(const std::filesystem::path& file) override;
    void stop() override;

private:
    QSoundEffect* effect(const std::filesystem::path& file);

    QObject m_owner;
    std::map<std::filesystem::path, QSoundEffect*> m_effects;
};

} // namespace qv
