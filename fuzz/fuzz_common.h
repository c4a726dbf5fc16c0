// Shared pieces of the fuzz targets: a quiet host, an empty user folder of the run's own, and
// a check that stops the run (a finding) when an invariant breaks.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "host/vst_abi.h"

namespace fuzz {

inline intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

// The run's scratch folder: $PUBLIC points here, so no user bank from the machine is seen and
// nothing is written into a real home folder. Removed when the run ends.
inline const std::string& scratchFolder() {
    // Never destroyed: the exit handler that removes the folder runs after static destructors.
    static const std::string* folder = [] {
        // Memory-backed when the machine has it: the file targets write a file per input.
        std::error_code none;
        std::filesystem::path base = std::filesystem::is_directory("/dev/shm", none)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        std::string pattern = (base / "tarlix-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        return new std::string(pattern);
    }();
    static const bool removedAtExit = std::atexit([] {
                                          std::error_code ignored;
                                          std::filesystem::remove_all(*folder, ignored);
                                      }) == 0;
    (void)removedAtExit;
    return *folder;
}

inline void isolate() {
    setenv("PUBLIC", scratchFolder().c_str(), 1);
}

inline void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// The targets' own checks run over whole banks; they are not coverage-instrumented (what they
// compare is the code under test's output, not a path to explore).
#define FUZZ_CHECK __attribute__((no_sanitize("coverage"), noinline))

FUZZ_CHECK inline bool allBytesAre(const std::vector<uint8_t>& bytes, uint8_t value) {
    for (uint8_t b : bytes)
        if (b != value) return false;
    return true;
}

// Bytes of the input stretched to `size` by repetition (empty input: zeros).
inline void stretch(const uint8_t* data, size_t n, uint8_t* out, size_t size) {
    if (size == 0) return;
    if (n == 0) {
        std::memset(out, 0, size);
        return;
    }
    size_t filled = n < size ? n : size;
    std::memcpy(out, data, filled);
    while (filled < size) { // doubling copies: the pattern repeats with period n
        size_t more = filled < size - filled ? filled : size - filled;
        std::memcpy(out + filled, out, more);
        filled += more;
    }
}

} // namespace fuzz
