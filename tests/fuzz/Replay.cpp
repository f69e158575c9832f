// Runs a fuzz target's checks over files and folders of inputs, as libFuzzer does
// when given them, but with any compiler: a broken check aborts the run.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

void replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    std::fprintf(stderr, "%s\n", file.c_str());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    std::size_t count = 0;
    for (int n = 1; n < argc; ++n) {
        std::vector<fs::path> files;
        if (fs::is_directory(argv[n])) {
            for (const auto& entry : fs::directory_iterator(argv[n]))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
        } else {
            files.emplace_back(argv[n]);
        }
        for (const auto& file : files)
            replay(file);
        count += files.size();
    }
    std::printf("replayed %zu inputs\n", count);
    return count > 0 ? 0 : 1;
}
