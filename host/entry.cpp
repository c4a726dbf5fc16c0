// The library's only exported symbols: the VST 2.4 entry point, under both of its names.
#include <new>

#include "engine/qx_dsp_vst.h"
#include "host/editor_attach.h"

extern "C" __attribute__((visibility("default"))) vst::AEffect*
VSTPluginMain(vst::HostCallback host) {
    if (!host) return nullptr;
    if (host(nullptr, vst::audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
    try {
        QX_DSP_VST* fx = new (std::nothrow) QX_DSP_VST(host);
        if (!fx) return nullptr;
        if (!fx->constructedOk()) {
            delete fx;
            return nullptr;
        }
        tarlix::attachEditor(*fx);
        return fx->getAeffect();
    } catch (...) {
        return nullptr; // nothing may unwind into the host
    }
}

// Older hosts look for "main"; C++ cannot name a function so, the assembler can.
extern "C" __attribute__((visibility("default"))) vst::AEffect*
vstMainAlias(vst::HostCallback host) __asm__("main");
vst::AEffect* vstMainAlias(vst::HostCallback host) {
    return VSTPluginMain(host);
}
