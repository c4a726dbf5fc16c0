// Host chunks of any size and content into an instance: the state read back is always clean,
// and every program of it loads. One instance serves every input; each input starts from the
// factory state, restored through a bank chunk, so an input always does the same thing.
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/program_record.h"
#include "engine/qx_dsp_vst.h"
#include "fuzz/fuzz_common.h"

using namespace tarlix;

namespace {
QX_DSP_VST* instance = nullptr;
std::vector<uint8_t> factoryState;
// Reused by every input (a large allocation costs the sanitizer a mapping each time). A chunk
// sits at the buffer's end, so a read past its last byte is still caught.
std::vector<uint8_t> buffer(800000);

// Every record clean: values in range, one learn map, names and texts terminated.
FUZZ_CHECK void checkBank(const uint8_t* bank) {
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
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::isolate();
    instance = new QX_DSP_VST(fuzz::host);
    void* bank = nullptr;
    int32_t n = instance->getChunk(&bank, false);
    factoryState.assign(static_cast<uint8_t*>(bank), static_cast<uint8_t*>(bank) + n);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // First byte: how big the chunk claims to be and whether the host calls it a preset.
    const uint8_t mode = data[0];
    const size_t sizes[] = {size - 1, 5876, 752128, 800000, 100, 5875};
    size_t n = sizes[mode % 6];
    if (n > buffer.size()) buffer.resize(n);
    uint8_t* chunk = buffer.data() + buffer.size() - n;
    fuzz::stretch(data + 1, size - 1, chunk, n);
    QX_DSP_VST& fx = *instance;
    fx.setProgram(0);
    fx.setChunk(factoryState.data(), static_cast<int32_t>(factoryState.size()), false);
    fx.setChunk(chunk, static_cast<int32_t>(n), (mode & 0x80) != 0);
    fx.setProgram((mode >> 3) % kNumPrograms);
    void* out = nullptr;
    int32_t got = fx.getChunk(&out, false);
    fuzz::require(got == kBankSize && out, "bank chunk size");
    checkBank(static_cast<const uint8_t*>(out));
    char text[64];
    for (int i = 0; i < kNumParams; i += 7) {
        fx.getParameterDisplay(i, text);
        fuzz::require(std::strlen(text) <= 8, "display too long");
    }
    return 0;
}
