// Ports for running the game's rules in a benchmark: boxes that answer at once,
// timers that never fire, a scheduler that notes how long the rules went
// between turns to the event loop, and fixed folders.
#pragma once

#include "platform/Ports.h"
#include "platform/SystemClock.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace qv::bench {

class AnsweringDialogs final : public Dialogs {
public:
    void showMessage(const std::string&) override {}
    Answer messageDlg(const std::string&, MessageKind, Buttons) override { return Answer::Ok; }
    Answer messageBox(const std::string&, const std::string&, MessageIcon, Buttons) override {
        return Answer::Ok;
    }
    /// The search's initials: none, so every picture is listed.
    std::optional<std::string> inputQuery(const std::string&, const std::string&,
                                          const std::string&) override {
        return std::string();
    }
    void showModal(ModalWindow) override {}
};

/// Notes the longest time between two turns to the event loop; with an `inner`
/// scheduler the turns and timers are really run there.
class TurnRecorder final : public Scheduler {
public:
    using Clock = std::chrono::steady_clock;
    void add(Timer& timer) override {
        if (inner)
            inner->add(timer);
    }
    void remove(Timer& timer) override {
        if (inner)
            inner->remove(timer);
    }
    void intervalChanged(Timer& timer) override {
        if (inner)
            inner->intervalChanged(timer);
    }
    void waitProcessingEvents(int milliseconds) override {
        const auto now = Clock::now();
        longestMs =
            std::max(longestMs, std::chrono::duration<double, std::milli>(now - last).count());
        if (inner)
            inner->waitProcessingEvents(milliseconds);
        last = Clock::now();
    }
    Scheduler* inner = nullptr;
    Clock::time_point last = Clock::now();
    double longestMs = 0;
};

class FixedPaths final : public Paths {
public:
    explicit FixedPaths(std::filesystem::path folder) : m_folder(std::move(folder)) {}
    std::filesystem::path dataFolder() const override { return m_folder; }
    std::filesystem::path programFolder() const override { return m_folder; }
    std::filesystem::path photoFolder() const override { return m_folder; }

private:
    std::filesystem::path m_folder;
};

class FixedScreen final : public Screen {
public:
    ScreenSize size() const override { return {1024, 768}; }
};

/// Every port, for rules that run in `folder`.
struct BenchPorts {
    explicit BenchPorts(std::filesystem::path folder) : paths(std::move(folder)) {}
    SystemClock clock;
    TurnRecorder scheduler;
    StdRandomSource random;
    AnsweringDialogs dialogs;
    FixedScreen screen;
    FixedPaths paths;
    Ports ports() { return {clock, scheduler, random, dialogs, screen, paths}; }
};

} // namespace qv::bench
