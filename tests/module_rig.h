// Shared pieces of the module tests: a host that answers only the version, and a module that
// plays prepared signals into the module under test.
#pragma once
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "dsp/module_base.h"
#include "host/vst_abi.h"

namespace moduletest {

inline intptr_t host(vst::AEffect*, int32_t op, int32_t, intptr_t, void*, float) {
    return op == vst::audioMasterVersion ? 2400 : 0;
}

// Outputs 0 and 1 play two signals from the start of each play(); past their ends they hold
// `after`.
class Feeder : public tarlix::QX_ModuleBase {
  public:
    Feeder(tarlix::ModuleContext* c, bool held) : QX_ModuleBase(c, held) { allocateOutputs(2); }
    void Render(int offset, int count) override {
        for (int i = offset; i < offset + count; ++i, ++at)
            for (int k = 0; k < 2; ++k)
                outputs[k][i] = at < signal[k].size() ? signal[k][at] : after[k];
    }
    void play(std::vector<float> first, std::vector<float> second = {}) {
        signal[0] = std::move(first);
        signal[1] = std::move(second);
        at = 0;
    }
    std::vector<float> signal[2];
    float after[2] = {};
    size_t at = 0;
};

} // namespace moduletest
