#include "platform/DecodeMemory.h"

#include "platform/JpegDecoder.h"

#include <algorithm>

namespace qv {

DecodeMemory& DecodeMemory::shared() {
    static DecodeMemory memory(kMaxDecodeMemory);
    return memory;
}

bool DecodeMemory::acquire(std::size_t bytes) {
    if (bytes > m_capacity)
        return false;
    std::unique_lock lock(m_mutex);
    m_freed.wait(lock, [&] { return m_held + bytes <= m_capacity; });
    m_held += bytes;
    m_peak = std::max(m_peak, m_held);
    return true;
}

void DecodeMemory::release(std::size_t bytes) {
    {
        const std::lock_guard lock(m_mutex);
        m_held -= std::min(bytes, m_held);
    }
    m_freed.notify_all();
}

std::size_t DecodeMemory::peak() const {
    const std::lock_guard lock(m_mutex);
    return m_peak;
}

} // namespace qv
