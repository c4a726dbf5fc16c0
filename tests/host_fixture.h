// The host-level test rig: loads the built library as a host does (dlopen, LoadLibrary) and
// talks to it only through the dispatcher and the entry points. Instances, state chunks, MIDI,
// running a number of blocks, and an audio thread that runs beside the host's calls.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "host/event_list.h"
#include "host/vst_abi.h"
#include "platform/library.h"

namespace testhost {

constexpr int kParameters = 333; // every parameter the host sees, automatable or not

struct Library {
    platform::SharedLibrary lib{TARLIX_PLUGIN_PATH};
    vst::AEffect* (*entry)(vst::HostCallback) = nullptr;
    Library() {
        entry = reinterpret_cast<vst::AEffect* (*)(vst::HostCallback)>(lib.symbol("VSTPluginMain"));
    }
};

inline Library& library() {
    static Library lib;
    return lib;
}

// The host callback that records the opcodes the instrument calls, per thread.
inline std::vector<int32_t>& hostCalls() {
    static thread_local std::vector<int32_t> calls;
    return calls;
}

inline intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    hostCalls().push_back(op);
    return op == vst::audioMasterVersion ? 2400 : 0;
}

// A host whose transport the test drives: tempoHost answers the time request with hostTime.
inline vst::VstTimeInfo& hostTime() {
    static vst::VstTimeInfo time{};
    return time;
}
inline intptr_t tempoHost(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    if (op == vst::audioMasterVersion) return 2400;
    if (op == vst::audioMasterGetTime) return reinterpret_cast<intptr_t>(&hostTime());
    return 0;
}
// Starts tempoHost's transport at sample 0, playing at `bpm`; the test moves samplePos on.
inline vst::VstTimeInfo& playTransport(double bpm, double rate) {
    vst::VstTimeInfo& t = hostTime();
    t = {};
    t.tempo = bpm;
    t.sampleRate = rate;
    t.flags = vst::kVstTempoValid | vst::kVstTransportPlaying;
    return t;
}

// Stereo output of some blocks, left and right.
struct Stereo {
    std::vector<float> left, right;
};

inline bool allFinite(const std::vector<float>& v) {
    return std::all_of(v.begin(), v.end(), [](float x) { return std::isfinite(x); });
}

inline float peakOf(const std::vector<float>& v, size_t from = 0, size_t to = SIZE_MAX) {
    float peak = 0.0f;
    for (size_t i = from; i < std::min(to, v.size()); ++i)
        peak = std::max(peak, std::fabs(v[i]));
    return peak;
}

struct Instance {
    vst::AEffect* fx;
    explicit Instance(vst::HostCallback cb = host) : fx(library().entry(cb)) {}
    ~Instance() {
        if (fx) fx->dispatcher(fx, vst::effClose, 0, 0, nullptr, 0);
    }
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    intptr_t call(int32_t op, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                  float opt = 0) {
        return fx->dispatcher(fx, op, index, value, ptr, opt);
    }
    std::string text(int32_t op, int32_t index = 0, intptr_t value = 0) {
        char buf[300];
        std::memset(buf, 0x55, sizeof buf);
        buf[299] = 0;
        call(op, index, value, buf);
        return buf;
    }
    void set(int index, float v) { fx->setParameter(fx, index, v); }
    float get(int index) { return fx->getParameter(fx, index); }

    void start(float rate = 44100, int block = 512) {
        call(vst::effSetSampleRate, 0, 0, nullptr, rate);
        call(vst::effSetBlockSize, 0, block);
        call(vst::effMainsChanged, 0, 1);
    }
    void process(std::vector<float>& l, std::vector<float>& r, int frames) {
        float* outs[2] = {l.data(), r.data()};
        fx->processReplacing(fx, nullptr, outs, frames);
    }
    // Hands the list to the instrument and empties it.
    void send(vst::EventList& events) {
        call(vst::effProcessEvents, 0, 0, events.list());
        events.clear();
    }
    void midi(int status, int data1, int data2, int delta = 0) {
        vst::EventList events;
        events.add(delta, status, data1, data2);
        send(events);
    }
    // Processes `blocks` blocks of `frames` and returns everything they played.
    Stereo run(int blocks, int frames) {
        Stereo out;
        std::vector<float> l(static_cast<size_t>(frames)), r(l.size());
        for (int b = 0; b < blocks; ++b) {
            process(l, r, frames);
            out.left.insert(out.left.end(), l.begin(), l.end());
            out.right.insert(out.right.end(), r.begin(), r.end());
        }
        return out;
    }

    // The saved state: the whole bank, or the current program (preset).
    std::vector<uint8_t> chunk(bool preset = false) {
        void* data = nullptr;
        intptr_t n = call(vst::effGetChunk, preset ? 1 : 0, 0, &data);
        auto* b = static_cast<uint8_t*>(data);
        return n > 0 && b ? std::vector<uint8_t>(b, b + n) : std::vector<uint8_t>();
    }
    // `size` other than the vector's own: what a host that lies about the length sends.
    intptr_t setChunk(std::vector<uint8_t>& bytes, bool preset = false, intptr_t size = -1) {
        return call(vst::effSetChunk, preset ? 1 : 0,
                    size == -1 ? static_cast<intptr_t>(bytes.size()) : size, bytes.data());
    }
};

// The saved state as a host stores it: 128 records of values (floats), learned controller
// codes (16 bits), three text slots and the name.
constexpr int kRecordBytes = 5876, kBankBytes = 128 * kRecordBytes;
constexpr int kLearnAt = 1332, kSlotsAt = 1998, kSlotBytes = 260, kNameAt = 5850;

inline size_t recordAt(int program) {
    return static_cast<size_t>(program) * kRecordBytes;
}
inline float valueAt(const std::vector<uint8_t>& bank, int program, int param) {
    float v;
    std::memcpy(&v, bank.data() + recordAt(program) + 4 * param, 4);
    return v;
}
inline void setValue(std::vector<uint8_t>& bank, int program, int param, float v) {
    std::memcpy(bank.data() + recordAt(program) + 4 * param, &v, 4);
}
inline uint16_t learnAt(const std::vector<uint8_t>& bank, int program, int param) {
    uint16_t c;
    std::memcpy(&c, bank.data() + recordAt(program) + kLearnAt + 2 * param, 2);
    return c;
}
inline void setLearn(std::vector<uint8_t>& bank, int program, int param, uint16_t code) {
    std::memcpy(bank.data() + recordAt(program) + kLearnAt + 2 * param, &code, 2);
}
inline char* nameAt(std::vector<uint8_t>& bank, int program) {
    return reinterpret_cast<char*>(bank.data() + recordAt(program) + kNameAt);
}
inline char* slotAt(std::vector<uint8_t>& bank, int program, int slot) {
    return reinterpret_cast<char*>(bank.data() + recordAt(program) + kSlotsAt + kSlotBytes * slot);
}

// The plain sound the sound tests start from: the initial program (the "___ INITIALS ___"
// header, which carries the bank's level) at the initial master volume, with oscillator 1's
// wave and the low-pass type given as option indices.
inline void loadPlainProgram(Instance& p, int wave, int lpfType) {
    p.call(vst::effSetProgram, 0, 112);
    p.set(123, 0.7f);                // "Master Volume %" 70
    p.set(64, wave / 14.0f);         // "Osc1 Wave"
    p.set(82, (lpfType - 1) / 9.0f); // "LPF Type" 1..10
}

// An audio thread processing blocks of `frames` while the calling (host) thread makes
// `rounds` rounds of calls. Each round waits for the audio thread to have finished at least
// as many blocks as rounds before it, so the two really overlap; both sides do a counted
// amount of work and nothing depends on the clock. `eachBlock` runs on the audio thread
// before every block (MIDI, automation) and may be empty.
inline int runBesideAudio(Instance& p, int frames, int rounds,
                          const std::function<void(int round)>& hostRound,
                          const std::function<void(int block)>& eachBlock = {}) {
    std::atomic<bool> hostDone{false};
    std::atomic<int> blocks{0};
    std::thread audio([&] {
        std::vector<float> l(static_cast<size_t>(frames)), r(l.size());
        while (!hostDone.load()) {
            if (eachBlock) eachBlock(blocks.load());
            p.process(l, r, frames);
            EXPECT_TRUE(allFinite(l) && allFinite(r));
            blocks.fetch_add(1);
        }
    });
    for (int round = 0; round < rounds; ++round) {
        while (blocks.load() < round)
            std::this_thread::yield();
        hostRound(round);
    }
    hostDone.store(true);
    audio.join();
    return blocks.load();
}

} // namespace testhost
