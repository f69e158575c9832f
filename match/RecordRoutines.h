#pragma once

namespace qv {

/// Offers the result of a match to the records tables; the record candidate of the
/// match state is filled before each call.
class RecordRoutines {
public:
    virtual ~RecordRoutines() = default;
    /// Loads the records file into the records window.
    virtual void loadRecords() {}
    /// Loads the computer records file into the records window.
    virtual void loadComputerRecords() {}
    /// Best scores and best times of games played alone or one after the other.
    virtual void offerRecord() = 0;
    /// A win against the computer at level "SUP".
    virtual void offerWinVersusGifted() = 0;
    /// A win against the computer at level "INT".
    virtual void offerWinVersusIntelligent() = 0;
};

/// Keeps no records, until the records files are in place.
class NoRecords final : public RecordRoutines {
public:
    void offerRecord() override {}
    void offerWinVersusGifted() override {}
    void offerWinVersusIntelligent() override {}
};

} // namespace qv
