#include "tests/fakes/TestPorts.h"

#include <atomic>
#include <string>
#include <unistd.h>

namespace qv::test {

TempPaths::TempPaths() {
    static std::atomic<int> counter{0};
    m_root = std::filesystem::temp_directory_path() /
             ("quorvanella-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_root);
    std::filesystem::create_directories(dataFolder());
    std::filesystem::create_directories(programFolder());
}

TempPaths::~TempPaths() {
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

} // namespace qv::test
