#pragma once

#include "match/LevelPanel.h"

#include <string>
#include <vector>

namespace qv::test {

/// The game definition window as the computer reaches it: up or not as a test
/// says, and remembering what it was asked to do.
class RecordingLevelPanel final : public LevelPanel {
public:
    bool open = false;
    std::vector<std::string> calls;

    bool isOpen() const override { return open; }
    void create(bool asksTime) override {
        calls.emplace_back(asksTime ? "create(times)" : "create(opponents)");
    }
    void showLevelPanel() override { calls.emplace_back("showLevelPanel"); }
};

} // namespace qv::test
