#include "tests/fakes/FaultyFileLayer.h"

#include <functional>
#include <stdexcept>

namespace qv::test {

bool MemoryFileLayer::exists(const std::filesystem::path& file) {
    return files.count(file) != 0;
}

std::optional<std::string> MemoryFileLayer::read(const std::filesystem::path& file,
                                                 std::size_t limit) {
    auto found = files.find(file);
    if (found == files.end())
        return std::nullopt;
    return found->second.substr(0, limit);
}

FileLayer::Handle MemoryFileLayer::create(const std::filesystem::path& file) {
    files[file].clear();
    m_open[m_next] = file;
    return m_next++;
}

bool MemoryFileLayer::write(Handle handle, std::string_view bytes) {
    auto open = m_open.find(handle);
    if (open == m_open.end())
        return false;
    files[open->second] += bytes;
    return true;
}

bool MemoryFileLayer::sync(Handle handle) {
    return m_open.count(handle) != 0;
}

bool MemoryFileLayer::close(Handle handle) {
    return m_open.erase(handle) != 0;
}

bool MemoryFileLayer::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    auto found = files.find(from);
    if (found == files.end())
        return false;
    std::string content = std::move(found->second);
    files.erase(found);
    files[to] = std::move(content);
    return true;
}

bool MemoryFileLayer::remove(const std::filesystem::path& file) {
    return files.erase(file) != 0;
}

bool MemoryFileLayer::syncFolder(const std::filesystem::path&) {
    return true;
}

std::string MemoryFileLayer::state(const std::filesystem::path& file) {
    auto found = files.find(file);
    if (found == files.end())
        return "absent";
    return std::to_string(found->second.size()) + " bytes, digest " +
           std::to_string(std::hash<std::string>{}(found->second));
}

FaultyFileLayer::FaultyFileLayer() : m_inner(m_posix) {
}

FaultyFileLayer::FaultyFileLayer(FileLayer& inner) : m_inner(inner) {
}

FaultyFileLayer::~FaultyFileLayer() {
    bury();
}

void FaultyFileLayer::faultAt(int step, Fault fault) {
    heal();
    m_faultStep = step;
    m_fault = fault;
}

void FaultyFileLayer::heal() {
    m_steps = 0;
    m_faultStep = -1;
    m_crashed = false;
    m_calls.clear();
}

void FaultyFileLayer::bury() {
    for (const auto& [handle, name] : m_open)
        m_inner.close(handle);
    m_open.clear();
}

bool FaultyFileLayer::pass(const std::string& call) {
    m_calls.push_back(call);
    m_faultHere = m_steps++ == m_faultStep;
    if (m_crashed)
        return false;
    if (!m_faultHere)
        return true;
    switch (m_fault) {
    case Fault::Fail:
        return false;
    case Fault::Crash:
        m_crashed = true;
        return false;
    case Fault::Throw:
        throw std::runtime_error("injected fault at " + call);
    }
    return false;
}

bool FaultyFileLayer::exists(const std::filesystem::path& file) {
    // A look that fails tells nothing: the file is not known to be absent.
    if (!pass("exists " + file.filename().string()))
        return true;
    return m_inner.exists(file);
}

std::optional<std::string> FaultyFileLayer::read(const std::filesystem::path& file,
                                                 std::size_t limit) {
    if (!pass("read " + file.filename().string()))
        return std::nullopt;
    return m_inner.read(file, limit);
}

FileLayer::Handle FaultyFileLayer::create(const std::filesystem::path& file) {
    if (!pass("create " + file.filename().string()))
        return kNoHandle;
    const Handle handle = m_inner.create(file);
    if (handle != kNoHandle)
        m_open[handle] = file.filename().string();
    return handle;
}

bool FaultyFileLayer::write(Handle handle, std::string_view bytes) {
    if (!pass("write " + std::to_string(bytes.size()) + " " + nameOf(handle))) {
        // A program dying inside a write leaves part of it on the disk.
        if (m_faultHere && m_crashed)
            m_inner.write(handle, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    return m_inner.write(handle, bytes);
}

std::string FaultyFileLayer::nameOf(Handle handle) const {
    auto open = m_open.find(handle);
    return open == m_open.end() ? "?" : open->second;
}

bool FaultyFileLayer::sync(Handle handle) {
    return pass("sync " + nameOf(handle)) && m_inner.sync(handle);
}

bool FaultyFileLayer::close(Handle handle) {
    if (!pass("close " + nameOf(handle)))
        return false;
    m_open.erase(handle);
    return m_inner.close(handle);
}

bool FaultyFileLayer::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return pass("rename " + from.filename().string() + " " + to.filename().string()) &&
           m_inner.rename(from, to);
}

bool FaultyFileLayer::remove(const std::filesystem::path& file) {
    return pass("remove " + file.filename().string()) && m_inner.remove(file);
}

bool FaultyFileLayer::syncFolder(const std::filesystem::path& folder) {
    return pass("syncFolder " + folder.filename().string()) && m_inner.syncFolder(folder);
}

std::string FaultyFileLayer::state(const std::filesystem::path& file) {
    if (!pass("state " + file.filename().string()))
        return "unseen, injected fault";
    return m_inner.state(file);
}

} // namespace qv::test
