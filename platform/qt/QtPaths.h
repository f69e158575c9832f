#pragma once

#include "platform/Paths.h"

namespace qv {

/// The player's data folder (created when missing) and the program's own folder.
class QtPaths final : public Paths {
public:
    QtPaths();
    std::filesystem::path dataFolder() const override { return m_data; }
    std::filesystem::path programFolder() const override { return m_program; }

private:
    std::filesystem::path m_data;
    std::filesystem::path m_program;
};

} // namespace qv
