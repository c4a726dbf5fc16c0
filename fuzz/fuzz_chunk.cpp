// Host chunks of any size and content into a fresh instance: the state read back is always
// clean, and every program of it loads.
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/program_record.h"
#include "engine/qx_dsp_vst.h"
#include "fuzz/fuzz_common.h"

using namespace tarlix;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::isolate();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // First byte: how big the chunk claims to be and whether the host calls it a preset.
    const uint8_t mode = data[0];
    const size_t sizes[] = {size - 1, 5876, 752128, 800000, 100, 5875};
    size_t n = sizes[mode % 6];
    std::vector<uint8_t> chunk(n);
    fuzz::stretch(data + 1, size - 1, chunk.data(), n);
    QX_DSP_VST fx(fuzz::host);
    fx.setChunk(chunk.data(), static_cast<int32_t>(n), (mode & 0x80) != 0);
    fx.setProgram((mode >> 3) % kNumPrograms);
    void* out = nullptr;
    int32_t got = fx.getChunk(&out, false);
    fuzz::require(got == kBankSize && out, "bank chunk size");
    const uint8_t* bank = static_cast<const uint8_t*>(out);
    for (int p = 0; p < kNumPrograms; ++p) {
        const uint8_t* rec = bank + static_cast<size_t>(p) * record::kSize;
        for (int i = 0; i < kNumParams; ++i) {
            float v = readValue(rec, i);
            fuzz::require(v >= 0.0f && v <= 1.0f, "value outside 0..1");
            fuzz::require(readLearn(rec, i) == readLearn(bank, i), "learn maps differ");
        }
        fuzz::require(rec[record::kName + 24] == 0 && rec[record::kName + 25] == 0,
                      "name not terminated");
        for (int s = 0; s < record::kStringSlotCount; ++s)
            fuzz::require(rec[record::kStringSlots + s * record::kStringSlotSize + 259] == 0,
                          "text not terminated");
    }
    char text[64];
    for (int i = 0; i < kNumParams; i += 7) {
        fx.getParameterDisplay(i, text);
        fuzz::require(std::strlen(text) <= 8, "display too long");
    }
    return 0;
}
