// A running instrument fed arbitrary MIDI, automation and block sizes: the output stays
// finite and nothing reads or writes out of bounds. Six running instances, each at its own
// sample rate and announced block size, serve every input (the host blocks vary from one frame
// to four announced blocks); each input starts its instance from the same state: the saved
// bank restored, the current program reloaded, every voice and line cleared.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/qx_dsp_vst.h"
#include "fuzz/fuzz_common.h"
#include "host/event_list.h"

using namespace tarlix;

namespace {
struct Setting {
    float rate;
    int block;
};
constexpr Setting kSettings[] = {{44100, 200}, {48000, 64}, {96000, 17},
                                 {8000, 1},    {44100, 3},  {48000, 128}};
constexpr int kSettingCount = 6;

struct Running {
    QX_DSP_VST* fx = nullptr;
    std::vector<uint8_t> state; // the bank as it was when the instance was made
};
Running instances[kSettingCount];

QX_DSP_VST& readyInstance(int setting) {
    Running& r = instances[setting];
    if (!r.fx) {
        r.fx = new QX_DSP_VST(fuzz::host);
        r.fx->setSampleRate(kSettings[setting].rate);
        r.fx->setBlockSize(kSettings[setting].block);
        void* bank = nullptr;
        int32_t n = r.fx->getChunk(&bank, false);
        r.state.assign(static_cast<uint8_t*>(bank), static_cast<uint8_t*>(bank) + n);
    }
    r.fx->suspend();
    if (r.fx->getProgram() != 0) r.fx->setProgram(0); // a program change may have moved it
    r.fx->setChunk(r.state.data(), static_cast<int32_t>(r.state.size()), false);
    r.fx->resume();
    return *r.fx;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::isolate();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int setting = data[0] % kSettingCount;
    QX_DSP_VST& fx = readyInstance(setting);
    vst::EventList events;
    std::vector<float> l(512), r(512);
    float* outs[2] = {l.data(), r.data()};
    // Records of 6 bytes: kind, delta, three data bytes, frames.
    for (size_t at = 1; at + 6 <= size; at += 6) {
        const uint8_t* b = data + at;
        switch (b[0] % 4) {
        case 0:
        case 1: {
            vst::VstMidiEvent e{};
            e.type = vst::kVstMidiType;
            e.byteSize = sizeof e;
            e.deltaFrames = static_cast<int8_t>(b[1]) * 4;
            e.midiData[0] = static_cast<char>(b[2]);
            e.midiData[1] = static_cast<char>(b[3]);
            e.midiData[2] = static_cast<char>(b[4]);
            events.addRaw(e);
            break;
        }
        case 2: {
            float v;
            uint32_t bits = static_cast<uint32_t>(b[1]) | (b[2] << 8) | (b[3] << 16) |
                            (static_cast<uint32_t>(b[4]) << 24);
            std::memcpy(&v, &bits, 4);
            fx.setParameter(b[5] + (b[0] >> 7) * 256, v);
            break;
        }
        case 3: {
            fx.processEvents(events.list());
            events.clear();
            // Up to four announced blocks (the instrument works in chunks of that size), and
            // never more than the buffers hold.
            const int limit = std::min(512, 4 * kSettings[setting].block);
            int frames = 1 + (b[5] | (b[4] << 8)) % limit;
            fx.processReplacing(nullptr, outs, frames);
            for (int i = 0; i < frames; ++i)
                fuzz::require(std::isfinite(l[i]) && std::isfinite(r[i]), "non-finite output");
            if (b[1] == 0xFF) fx.suspend(), fx.resume();
            break;
        }
        }
    }
    return 0;
}
