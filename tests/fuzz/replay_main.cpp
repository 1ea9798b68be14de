// Replays kept fuzz inputs through a harness outside libFuzzer: every regular file of each
// folder (or each file) named on the command line goes once through LLVMFuzzerTestOneInput.
// A crash or sanitizer report ends the run with a failure; the last "replay:" line names the
// input that caused it. Options of libFuzzer ("-name=value") are skipped.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fs = std::filesystem;

static bool RunFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "replay: cannot read %s\n", file.c_str());
        return false;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::fprintf(stderr, "replay: %s (%zu bytes)\n", file.c_str(), bytes.size());
    // libFuzzer never passes a null pointer, not even for an empty input.
    static const uint8_t kEmpty = 0;
    LLVMFuzzerTestOneInput(bytes.empty() ? &kEmpty : bytes.data(), bytes.size());
    return true;
}

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    bool ok = true;
    size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')  // a fuzzer option, meaningless here
            continue;
        const fs::path arg(argv[i]);
        std::error_code ec;
        if (fs::is_directory(arg, ec)) {
            std::vector<fs::path> files;
            for (const auto& entry : fs::directory_iterator(arg, ec)) {
                // Dot files (e.g. .gitkeep) only keep a folder in the repository.
                if (entry.is_regular_file() && entry.path().filename().string().rfind('.', 0) != 0)
                    files.push_back(entry.path());
            }
            std::sort(files.begin(), files.end());
            for (const auto& f : files) {
                ok = RunFile(f) && ok;
                ++count;
            }
        } else if (fs::is_regular_file(arg, ec)) {
            ok = RunFile(arg) && ok;
            ++count;
        } else {
            std::fprintf(stderr, "replay: %s does not exist, nothing to replay\n", argv[i]);
        }
    }
    std::fprintf(stderr, "replay: %zu input(s) %s\n", count, ok ? "passed" : "had errors");
    return ok ? 0 : 1;
}
