#pragma once

namespace qv {

/// Offers the result of a match to the records tables; the record candidate of the
/// match state is filled before each call.
class RecordRoutines {
public:
    virtual ~RecordRoutines() = default;
    /// Loads the records file into the records window.
    virtual void Records_dpl() {}
    /// Loads the computer records file into the records window.
    virtual void records_comp() {}
    /// Best scores and best times of games played alone or one after the other.
    virtual void bateu_rec() = 0;
    /// A win against the computer at level "SUP".
    virtual void bateu_comp() = 0;
    /// A win against the computer at level "INT".
    virtual void bateu_comp2() = 0;
};

/// Keeps no records, until the records files are in place.
class NoRecords final : public RecordRoutines {
public:
    void bateu_rec() override {}
    void bateu_comp() override {}
    void bateu_comp2() override {}
};

} // namespace qv
