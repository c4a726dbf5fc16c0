// A running instrument fed arbitrary MIDI, automation and block sizes: the output stays
// finite and nothing reads or writes out of bounds.
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/qx_dsp_vst.h"
#include "fuzz/fuzz_common.h"
#include "host/event_list.h"

using namespace tarlix;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::isolate();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    QX_DSP_VST fx(fuzz::host);
    const int rates[] = {44100, 48000, 96000, 8000};
    fx.setSampleRate(static_cast<float>(rates[data[0] % 4]));
    fx.setBlockSize(1 + data[1] % 200);
    fx.resume();
    vst::EventList events;
    std::vector<float> l(512), r(512);
    float* outs[2] = {l.data(), r.data()};
    // Records of 6 bytes: kind, delta, three data bytes, frames.
    for (size_t at = 2; at + 6 <= size; at += 6) {
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
            int frames = 1 + (b[5] | (b[4] << 8)) % 512;
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
