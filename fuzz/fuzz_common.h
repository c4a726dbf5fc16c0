// Shared pieces of the fuzz targets: a quiet host, an empty user folder, and a check that
// stops the run (a finding) when an invariant breaks.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "host/vst_abi.h"
#include "platform/platform.h"

namespace fuzz {

inline intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

// No user bank from the machine: the documents folder is an empty temporary one.
inline void isolate() {
    std::string folder = "/tmp/tarlix-fuzz-" + std::to_string(::getpid());
    platform::makeFolders(folder);
    setenv("PUBLIC", folder.c_str(), 1);
}

inline void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Bytes of the input stretched to `size` by repetition (empty input: zeros).
inline void stretch(const uint8_t* data, size_t n, uint8_t* out, size_t size) {
    for (size_t i = 0; i < size; ++i)
        out[i] = n ? data[i % n] : 0;
}

} // namespace fuzz
