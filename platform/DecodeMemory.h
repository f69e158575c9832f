#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>

namespace qv {

/// Memory that decodes running at the same time share. A decode asks for what it
/// will hold before it takes it and gives it back when done, so however many
/// threads decode, together they stay within the capacity.
class DecodeMemory {
public:
    explicit DecodeMemory(std::size_t capacity) : m_capacity(capacity) {}

    /// The one all of the game's decodes share.
    static DecodeMemory& shared();

    /// Waits until `bytes` fit beside what others hold, then holds them; false at
    /// once when they could never fit.
    bool acquire(std::size_t bytes);
    void release(std::size_t bytes);

    std::size_t capacity() const { return m_capacity; }
    /// The most held at any one time so far.
    std::size_t peak() const;

private:
    const std::size_t m_capacity;
    mutable std::mutex m_mutex;
    std::condition_variable m_freed;
    std::size_t m_held = 0;
    std::size_t m_peak = 0;
};

} // namespace qv
