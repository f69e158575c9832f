#pragma once

#include <string>

namespace qv {

/// Minutes, then ":0" and the seconds below 10, else ":" and the seconds: 2:05, 2:15.
inline std::string timeText(int minutes, int seconds) {
    return std::to_string(minutes) + (seconds < 10 ? ":0" : ":") + std::to_string(seconds);
}

} // namespace qv
