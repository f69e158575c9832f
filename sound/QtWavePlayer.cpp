#include "sound/QtWavePlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <system_error>

namespace qv {

QtWavePlayer::QtWavePlayer(const std::filesystem::path& programFolder) {
    // Without an audio output there is nothing to load ahead for.
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    std::error_code error;
    std::filesystem::directory_iterator it(programFolder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (it->path().extension() == ".wav")
            effect(it->path());
    }
}

QtWavePlayer::~QtWavePlayer() = default;

QSoundEffect* QtWavePlayer::effect(const std::filesystem::path& file) {
    auto found = m_effects.find(file);
    if (found != m_effects.end())
        return found->second;
    auto* sound = new QSoundEffect(&m_owner);
    sound->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    m_effects.emplace(file, sound);
    return sound;
}

void QtWavePlayer::play(const std::filesystem::path& file) {
    // Never waits for a wave to end: without an audio device an effect may say
    // it is playing for ever.
    stop();
    effect(file)->play();
}

void QtWavePlayer::stop() {
    for (auto& [file, sound] : m_effects)
        sound->stop();
}

} // namespace qv
