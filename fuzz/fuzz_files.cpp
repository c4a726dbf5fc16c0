// Every file reader on arbitrary files: a file is taken whole or not at all, and what is
// taken is clean.
#include <cstring>
#include <string>
#include <vector>

#include "editor/layout_table.h"
#include "engine/preset_files.h"
#include "fuzz/fuzz_common.h"

using namespace tarlix;

namespace {
std::string path;
// Reused by every input: large allocations would cost the sanitizer a mapping each time.
std::vector<uint8_t> file, bank(kBankSize), rec(record::kSize);

FUZZ_CHECK bool valuesInRange(const std::vector<uint8_t>& bank) {
    for (int p = 0; p < kNumPrograms; ++p)
        for (int i = 0; i < kNumParams; ++i) {
            float v = readValue(bank.data() + static_cast<size_t>(p) * record::kSize, i);
            if (!(v >= 0.0f && v <= 1.0f)) return false;
        }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::isolate();
    path = fuzz::scratchFolder() + "/file";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // First byte: keep the input as it is, or stretch it to a reader's full size with the
    // magic in front (so the big readers see whole files too).
    const size_t full[] = {0, 752132, 5880, 670, 108, 80, 104, 56};
    size_t n = full[data[0] % 8];
    if (n == 0) {
        file.assign(data + 1, data + size);
    } else {
        file.resize(n);
        fuzz::stretch(data + 1, size - 1, file.data(), n);
        if (data[0] & 0x80) std::memcpy(file.data(), "TRLX", 4);
    }
    // A plain write: the readers are under test here, not the saving.
    FILE* out = std::fopen(path.c_str(), "wb");
    fuzz::require(out && std::fwrite(file.data(), 1, file.size(), out) == file.size() &&
                      std::fclose(out) == 0,
                  "cannot write the test file");

    std::memset(bank.data(), 0xA5, bank.size());
    int r = readBankFile(path, bank.data());
    fuzz::require(r == kFileRead || fuzz::allBytesAre(bank, 0xA5),
                  "a refused bank changed the destination");
    if (r == kFileRead) fuzz::require(valuesInRange(bank), "bank value outside 0..1");
    std::memset(rec.data(), 0x5A, rec.size());
    r = readProgramFile(path, rec.data());
    fuzz::require(r == kFileRead || fuzz::allBytesAre(rec, 0x5A),
                  "a refused program changed the destination");
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
