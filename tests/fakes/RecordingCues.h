#pragma once

#include "match/MatchState.h"
#include "match/RecordRoutines.h"
#include "match/SoundCues.h"

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

    void firstClick() override { played.push_back("firstClick"); }
    void secondClick() override { played.push_back("secondClick"); }
    void pairFound() override { played.push_back("pairFound"); }
    void pairMissed() override { played.push_back("pairMissed"); }
    void victory() override { played.push_back("victory"); }
    void defeat() override { played.push_back("defeat"); }
    void timeUp() override { played.push_back("timeUp"); }
    void optionChosen() override { played.push_back("optionChosen"); }
    void stopWave() override { played.push_back("stopWave"); }

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

    void offerRecord() override { offer("offerRecord"); }
    void offerWinVersusGifted() override { offer("offerWinVersusGifted"); }
    void offerWinVersusIntelligent() override { offer("offerWinVersusIntelligent"); }

private:
    void offer(const char* routine) {
        offers.push_back({routine, m_state.RecordCandidateScore, m_state.RecordCandidateName,
                          m_state.RecordCandidateSeconds, m_state.RecordCandidateTimeText});
    }
    const MatchState& m_state;
};

} // namespace qv::test
