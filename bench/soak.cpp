// Soak run: randomised MIDI (20 voices busy) and automation into the whole instrument for a
// given time (default 10 minutes of wall clock). Reports memory at the start and the end, the
// slowest block, non-finite samples, guard trips, dropped events and, once every key is
// released, voices still playing (stuck notes).
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench/resident_memory.h"
#include "dsp/midi_word.h"
#include "dsp/voice_allocation.h"
#include "engine/module_codes.h"
#include "engine/qx_dsp_vst.h"
#include "host/event_list.h"

using namespace tarlix;

namespace {
intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

} // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 600.0;
    constexpr int kBlock = 256;
    QX_DSP_VST fx(host);
    fx.setSampleRate(48000);
    fx.setBlockSize(kBlock);
    fx.resume();
    const int allocatorIndex =
        fx.instrument().graphLayout().moduleByCode[code::kVoiceAllocator - kFirstModuleCode];
    auto* allocator = allocatorIndex < 0 ? nullptr
                                         : dynamic_cast<QX_DSP_Midi_to_Poly_Gen2*>(
                                               fx.instrument().context().modules[allocatorIndex]);
    if (!allocator) {
        std::fprintf(stderr, "soak: no voice allocator in the graph\n");
        return 1;
    }
    std::vector<float> l(kBlock), r(kBlock);
    float* outs[2] = {l.data(), r.data()};
    std::mt19937 rng(77);
    vst::EventList midi;
    const long memoryAtStart = residentKiB();
    long memoryAfterWarmUp = 0;
    uint64_t blocks = 0, nonFinite = 0, notes = 0;
    double slowest = 0.0;
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (elapsed >= seconds) break;
        for (int k = static_cast<int>(rng() % 6); k > 0; --k) {
            int kind = static_cast<int>(rng() % 100);
            int delta = static_cast<int>(rng() % kBlock);
            int key = 30 + static_cast<int>(rng() % 60);
            if (kind < 45) {
                midi.add(delta, midiword::kNoteOn, key, 1 + static_cast<int>(rng() % 127));
                ++notes;
            } else if (kind < 85) {
                midi.add(delta, midiword::kNoteOff, key, 0);
            } else if (kind < 90) {
                midi.add(delta, midiword::kController, midiword::kCcSustain, (rng() % 2) ? 127 : 0);
            } else if (kind < 95) {
                midi.add(delta, midiword::kPitchBend, static_cast<int>(rng() % 128),
                         static_cast<int>(rng() % 128));
            } else if (kind < 97) {
                midi.add(delta, midiword::kController, midiword::kCcModWheel,
                         static_cast<int>(rng() % 128));
            } else {
                midi.add(delta, midiword::kProgramChange, static_cast<int>(rng() % 128), 0);
            }
        }
        fx.processEvents(midi.list());
        midi.clear();
        for (int k = static_cast<int>(rng() % 4); k > 0; --k)
            fx.setParameter(static_cast<int>(rng() % 242),
                            static_cast<float>(rng() % 1001) / 1000.0f);
        auto t0 = std::chrono::steady_clock::now();
        fx.processReplacing(nullptr, outs, kBlock);
        double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (took > slowest) slowest = took;
        for (int i = 0; i < kBlock; ++i)
            nonFinite += !std::isfinite(l[i]) + !std::isfinite(r[i]);
        if (++blocks == 20000) memoryAfterWarmUp = residentKiB();
    }
    // Every key up, the pedal too; then a second of audio for deferred note-offs and fades.
    midi.add(0, midiword::kController, midiword::kCcSustain, 0);
    for (int key = 0; key < 128; ++key)
        midi.add(0, midiword::kNoteOff, key, 0);
    fx.processEvents(midi.list());
    midi.clear();
    for (int b = 0; b < 200; ++b)
        fx.processReplacing(nullptr, outs, kBlock);
    int playing = 0;
    for (int v = 0; v < allocator->voiceCount(); ++v)
        playing += allocator->state(v) == QX_DSP_Midi_to_Poly_Gen2::State::Playing;
    const double audioSeconds = static_cast<double>(blocks) * kBlock / 48000.0;
    std::printf("soak: %.0f s wall, %.0f s of audio (%llu blocks of %d at 48 kHz), %llu note-ons\n",
                seconds, audioSeconds, static_cast<unsigned long long>(blocks), kBlock,
                static_cast<unsigned long long>(notes));
    std::printf("memory: %ld KiB at start, %ld KiB after warm-up, %ld KiB at the end\n",
                memoryAtStart, memoryAfterWarmUp, residentKiB());
    std::printf("slowest block: %.1f us (budget %.1f us); non-finite samples: %llu; guard trips: "
                "%llu; dropped events: %llu\n",
                slowest * 1e6, kBlock / 48.0 * 1000.0, static_cast<unsigned long long>(nonFinite),
                static_cast<unsigned long long>(fx.instrument().guardTrips()),
                static_cast<unsigned long long>(fx.instrument().droppedEvents()));
    std::printf("after releasing every key: %d voices still playing, %d keys held\n", playing,
                allocator->heldKeys());
    return (nonFinite == 0 && playing == 0 && allocator->heldKeys() == 0) ? 0 : 1;
}
