#pragma once

#include "match/SoundCues.h"

namespace qv {

/// Hands each cue to the cues plugged in, silent until then: the rules are wired
/// before the program's sound output exists, which needs their state.
class SoundCuesRelay final : public SoundCues {
public:
    void plug(SoundCues& cues) { m_cues = &cues; }

    void firstClick() override { m_cues->firstClick(); }
    void secondClick() override { m_cues->secondClick(); }
    void pairFound() override { m_cues->pairFound(); }
    void pairMissed() override { m_cues->pairMissed(); }
    void victory() override { m_cues->victory(); }
    void defeat() override { m_cues->defeat(); }
    void timeUp() override { m_cues->timeUp(); }
    void optionChosen() override { m_cues->optionChosen(); }
    void stopWave() override { m_cues->stopWave(); }
    void reloadSettings() override { m_cues->reloadSettings(); }
    bool speakerChosen() const override { return m_cues->speakerChosen(); }

private:
    SilentCues m_silence;
    SoundCues* m_cues = &m_silence;
};

} // namespace qv
