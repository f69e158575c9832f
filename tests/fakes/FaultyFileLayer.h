#pragma once

#include "records/FileLayer.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace qv::test {

/// Files held in memory: fast enough for thousands of damaged records files.
class MemoryFileLayer final : public FileLayer {
public:
    std::map<std::filesystem::path, std::string> files;

    bool exists(const std::filesystem::path& file) override;
    std::optional<std::string> read(const std::filesystem::path& file, std::size_t limit) override;
    Handle create(const std::filesystem::path& file) override;
    bool write(Handle handle, std::string_view bytes) override;
    bool sync(Handle handle) override;
    bool close(Handle handle) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool remove(const std::filesystem::path& file) override;
    bool syncFolder(const std::filesystem::path& folder) override;
    /// The size and a digest of the content: the files carry no times.
    std::string state(const std::filesystem::path& file) override;

private:
    std::map<Handle, std::filesystem::path> m_open;
    Handle m_next = 3;
};

/// Passes every call to another file layer and counts them; the call of a chosen
/// number fails, throws, or is where the program "dies": from there on nothing
/// more reaches the disk (a write dying halfway puts half its bytes there).
class FaultyFileLayer final : public FileLayer {
public:
    enum class Fault { Fail, Crash, Throw };

    /// Over the real files.
    FaultyFileLayer();
    explicit FaultyFileLayer(FileLayer& inner);
    ~FaultyFileLayer() override;
    FaultyFileLayer(const FaultyFileLayer&) = delete;
    FaultyFileLayer& operator=(const FaultyFileLayer&) = delete;

    /// Counts calls from 0 again; the call numbered `step` meets the fault.
    void faultAt(int step, Fault fault);
    /// Counts calls from 0 again, with no fault.
    void heal();
    /// Calls since the last faultAt or heal.
    int steps() const { return m_steps; }
    bool crashed() const { return m_crashed; }
    /// What each call was and which file it concerned ("sync qvane.dat.tmp",
    /// "syncFolder data"), in order.
    const std::vector<std::string>& calls() const { return m_calls; }
    /// Closes what the "dead" program left open, as the system would.
    void bury();

    bool exists(const std::filesystem::path& file) override;
    std::optional<std::string> read(const std::filesystem::path& file, std::size_t limit) override;
    Handle create(const std::filesystem::path& file) override;
    bool write(Handle handle, std::string_view bytes) override;
    bool sync(Handle handle) override;
    bool close(Handle handle) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool remove(const std::filesystem::path& file) override;
    bool syncFolder(const std::filesystem::path& folder) override;
    std::string state(const std::filesystem::path& file) override;

private:
    std::string nameOf(Handle handle) const;
    /// True when the call may go ahead; throws for Fault::Throw.
    bool pass(const std::string& call);
    bool m_faultHere = false;

    PosixFileLayer m_posix;
    FileLayer& m_inner;
    int m_steps = 0;
    int m_faultStep = -1;
    Fault m_fault = Fault::Fail;
    bool m_crashed = false;
    std::vector<std::string> m_calls;
    std::map<Handle, std::string> m_open; ///< the file name of each open handle
};

} // namespace qv::test
