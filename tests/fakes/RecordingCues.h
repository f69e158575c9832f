#pragma once

#include "match/MatchState.h"
#include "records/RecordRoutines.h"
#include "sound/SoundCues.h"

#include <string>
#include <vector>

namespace qv::test {

/// Remembers every sound request by its routine's name.
class RecordingCues final : public SoundCues {
public:
    std::vector<std::string> played;
    int count(const std::string& cue) const {
        int n = 0;
        for (const auto& p : played)
            n += p == cue;
        return n;
    }

    void SOUND1() override { played.push_back("SOUND1"); }
    void SOUND2() override { played.push_back("SOUND2"); }
    void SOUND_CERTO() override { played.push_back("SOUND_CERTO"); }
    void SOUND_ERRO() override { played.push_back("SOUND_ERRO"); }
    void SOUND_GANHA() override { played.push_back("SOUND_GANHA"); }
    void sound_perde() override { played.push_back("sound_perde"); }
    void soundTempo() override { played.push_back("soundTempo"); }
    void soundOp() override { played.push_back("soundOp"); }
    void StopWave() override { played.push_back("StopWave"); }

    bool speaker = false; ///< "Alto-falante do micro" chosen
    bool speakerChosen() const override { return speaker; }
};

/// What a record routine was offered.
struct Offer {
    std::string routine;
    int score;
    std::string name;
    int seconds;
    std::string time;
};

/// Remembers the record candidate at every call of a record routine.
class RecordingRecords final : public RecordRoutines {
public:
    explicit RecordingRecords(const MatchState& state) : m_state(state) {}
    std::vector<Offer> offers;

    void bateu_rec() override { offer("bateu_rec"); }
    void bateu_comp() override { offer("bateu_comp"); }
    void bateu_comp2() override { offer("bateu_comp2"); }

private:
    void offer(const char* routine) {
        offers.push_back({routine, m_state.RecordCandidateScore, m_state.RecordCandidateName,
                          m_state.RecordCandidateSeconds, m_state.RecordCandidateTimeText});
    }
    const MatchState& m_state;
};

} // namespace qv::test
