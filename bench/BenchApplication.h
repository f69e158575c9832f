// The one Qt application of the benchmarks.
#pragma once

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace qv::bench {

/// One application for all benchmarks, offscreen, with a data folder of its own.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "qv_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string data = std::filesystem::temp_directory_path() / "quorvanella-bench";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    static QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvanella"));
}

} // namespace qv::bench
