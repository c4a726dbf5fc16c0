// A minimal host: loads the built library as a host does (dlopen, LoadLibrary) and talks to it
// through the dispatcher.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "host/vst_abi.h"
#include "platform/library.h"

namespace testhost {

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

struct Instance {
    vst::AEffect* fx;
    explicit Instance(vst::HostCallback cb = host) : fx(library().entry(cb)) {}
    ~Instance() {
        if (fx) fx->dispatcher(fx, vst::effClose, 0, 0, nullptr, 0);
    }
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
    void start(float rate = 44100, int block = 512) {
        call(vst::effSetSampleRate, 0, 0, nullptr, rate);
        call(vst::effSetBlockSize, 0, block);
        call(vst::effMainsChanged, 0, 1);
    }
    void process(std::vector<float>& l, std::vector<float>& r, int frames) {
        float* outs[2] = {l.data(), r.data()};
        fx->processReplacing(fx, nullptr, outs, frames);
    }
};

// The plain sound the sound tests start from: the initial program (the "___ INITIALS ___"
// header, which carries the bank's level) at the initial master volume, with oscillator 1's
// wave and the low-pass type given as option indices.
inline void loadPlainProgram(Instance& p, int wave, int lpfType) {
    p.call(vst::effSetProgram, 0, 112);
    p.fx->setParameter(p.fx, 123, 0.7f);                // "Master Volume %" 70
    p.fx->setParameter(p.fx, 64, wave / 14.0f);         // "Osc1 Wave"
    p.fx->setParameter(p.fx, 82, (lpfType - 1) / 9.0f); // "LPF Type" 1..10
}

} // namespace testhost
