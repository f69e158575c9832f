#pragma once

#include "platform/Ports.h"
#include "tests/fakes/ScriptedDialogs.h"
#include "tests/fakes/VirtualScheduler.h"

#include <filesystem>

namespace qv::test {

class FixedScreen final : public Screen {
public:
    ScreenSize value{1024, 768};
    ScreenSize size() const override { return value; }
};

/// A fresh folder of its own for every test, removed afterwards.
class TempPaths final : public Paths {
public:
    TempPaths();
    ~TempPaths() override;
    TempPaths(const TempPaths&) = delete;
    TempPaths& operator=(const TempPaths&) = delete;

    std::filesystem::path dataFolder() const override { return m_root / "data"; }
    std::filesystem::path programFolder() const override { return m_root / "program"; }
    const std::filesystem::path& root() const { return m_root; }

private:
    std::filesystem::path m_root;
};

/// Every port the rules need, as test doubles.
struct TestPorts {
    VirtualScheduler scheduler;
    StdRandomSource random;
    ScriptedDialogs dialogs;
    FixedScreen screen;
    TempPaths paths;

    Ports ports() { return {scheduler, scheduler, random, dialogs, screen, paths}; }
};

} // namespace qv::test
