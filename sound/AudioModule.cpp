// The audio module: OpenAL and the wave decoder, loaded by the game once its
// first window shows.
#include "sound/AudioOutput.h"
#include "sound/OpenAlAudio.h"

extern "C" __attribute__((visibility("default"))) qv::AudioOutput*
quorvanella_make_audio_output(const char* waveFolder) {
    return new qv::OpenAlAudio(waveFolder);
}
