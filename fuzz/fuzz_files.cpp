// Every file reader on arbitrary files: a file is taken whole or not at all, and what is
// taken is clean.
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "editor/layout_table.h"
#include "engine/preset_files.h"
#include "fuzz/fuzz_common.h"

using namespace tarlix;

namespace {
std::string path;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::isolate();
    path = "/tmp/tarlix-fuzz-file-" + std::to_string(::getpid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // First byte: keep the input as it is, or stretch it to a reader's full size with the
    // magic in front (so the big readers see whole files too).
    const size_t full[] = {0, 752132, 5880, 670, 108, 80, 104, 56};
    size_t n = full[data[0] % 8];
    std::vector<uint8_t> file;
    if (n == 0) {
        file.assign(data + 1, data + size);
    } else {
        file.resize(n);
        fuzz::stretch(data + 1, size - 1, file.data(), n);
        if (data[0] & 0x80) std::memcpy(file.data(), "TRLX", 4);
    }
    platform::Span part{file.data(), file.size()};
    fuzz::require(platform::writeFileAtomically(path, &part, 1), "cannot write the test file");

    std::vector<uint8_t> bank(kBankSize, 0xA5), before = bank;
    int r = readBankFile(path, bank.data());
    fuzz::require(r == kFileRead || bank == before, "a refused bank changed the destination");
    if (r == kFileRead)
        for (int p = 0; p < kNumPrograms; ++p)
            for (int i = 0; i < kNumParams; ++i) {
                float v = readValue(bank.data() + static_cast<size_t>(p) * record::kSize, i);
                fuzz::require(v >= 0.0f && v <= 1.0f, "bank value outside 0..1");
            }
    std::vector<uint8_t> rec(record::kSize, 0x5A), recBefore = rec;
    r = readProgramFile(path, rec.data());
    fuzz::require(r == kFileRead || rec == recBefore, "a refused program changed the destination");
    if (r == kFileRead) fuzz::require(rec[record::kName + 24] == 0, "name not terminated");
    uint8_t learn[kMidiLearnBlockSize];
    readMidiLearnFile(path, learn);
    for (int s = 0; s < kSectionCount; ++s) {
        SectionValues values;
        if (readSectionFile(path, s, instrumentParameterLookup(), values) != kSectionRead) continue;
        fuzz::require(values.count >= 0 && values.count <= kSections[s].count, "field count");
        for (int k = 0; k < values.count; ++k)
            fuzz::require(values.values[k] >= 0.0f && values.values[k] <= 1.0f, "section value");
    }
    return 0;
}
