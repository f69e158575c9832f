#pragma once

#include "match/RecordRoutines.h"

namespace qv {

/// Hands each offer to the records plugged in, keeping none until then: the rules
/// are wired before the records, which need their state.
class RecordRoutinesRelay final : public RecordRoutines {
public:
    void plug(RecordRoutines& records) { m_records = &records; }

    void loadRecords() override { m_records->loadRecords(); }
    void loadComputerRecords() override { m_records->loadComputerRecords(); }
    void offerRecord() override { m_records->offerRecord(); }
    void offerWinVersusGifted() override { m_records->offerWinVersusGifted(); }
    void offerWinVersusIntelligent() override { m_records->offerWinVersusIntelligent(); }

private:
    NoRecords m_none;
    RecordRoutines* m_records = &m_none;
};

} // namespace qv
